# Warnings and sanitizers shared by every target of the project.

set(QUILLMARK_WARNINGS -Wall -Wextra -Wpedantic)
if(QUILLMARK_WERROR)
  list(APPEND QUILLMARK_WARNINGS -Werror)
endif()

if(QUILLMARK_SANITIZE)
  # -O1 keeps sanitized runs of the exhaustive tests quick; the sanitizers stay exact.
  add_compile_options(-O1 -fsanitize=address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

function(quillmark_apply_settings target)
  target_compile_options(${target} PRIVATE ${QUILLMARK_WARNINGS})
endfunction()
