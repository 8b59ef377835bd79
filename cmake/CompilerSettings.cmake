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

# Optimised builds are the ones packaged: harden them as Debian builds its own
# (checked buffer functions, relocations read-only and bound at start).
if(NOT QUILLMARK_SANITIZE)
  add_compile_definitions($<$<CONFIG:Release,RelWithDebInfo>:_FORTIFY_SOURCE=2>)
  add_link_options(LINKER:-z,relro,-z,now)
endif()
