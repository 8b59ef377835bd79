#include "mainwindow/QuillmarkApp.h"

#include "mainwindow/QuillmarkDlg.h"
#include "platform/Fonts.h"
#include "platform/QtFileDialogs.h"
#include "platform/QtPrompter.h"

CQuillmarkApp::CQuillmarkApp(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Quillmark"));
    // Qt's own file dialogs look the same on every desktop and can be driven
    // from the keyboard alone.
    setAttribute(Qt::AA_DontUseNativeDialogs);
}

int CQuillmarkApp::InitInstance()
{
    platform::RegisterFontSubstitutions();
    QtPrompter prompter;
    QtFileDialogs fileDialogs;
    CQuillmarkDlg dlg(prompter, fileDialogs);
    dlg.exec();
    return 0;
}
