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
    prompter.SetOwner(&dlg);
    fileDialogs.SetOwner(&dlg);
    // An ordinary top-level window with its own task-bar button, not a modal
    // dialog: the program ends when it closes.
    QObject::connect(&dlg, &QDialog::finished, this, &QApplication::quit);
    dlg.show();
    return exec();
}
