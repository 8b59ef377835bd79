// quillmark: the editor for steno stroke backup files.

#include "mainwindow/QuillmarkApp.h"

int main(int argc, char** argv)
{
    CQuillmarkApp app(argc, argv);
    return app.InitInstance();
}
