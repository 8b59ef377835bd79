// quillmark: the editor for steno stroke backup files.

#include "mainwindow/QuillmarkApp.h"

#include <cstdio>
#include <string_view>

int main(int argc, char** argv)
{
    // Answered before Qt starts: no display is needed and no window opens.
    if (argc == 2 && std::string_view(argv[1]) == "--version") {
        std::printf("quillmark %s\n", QUILLMARK_VERSION);
        return 0;
    }
    CQuillmarkApp app(argc, argv);
    return app.InitInstance();
}
