#include "mainwindow/QuillmarkApp.h"

#include "mainwindow/QuillmarkDlg.h"
#include "platform/Fonts.h"
#include "platform/QtFileDialogs.h"
#include "platform/QtPrompter.h"
#include "base/FilePath.h"

#include <QMetaObject>

#include <filesystem>
#include <system_error>

CQuillmarkApp::CQuillmarkApp(int& argc, char** argv) : QApplication(argc, argv)
{
    // Qt has taken its own options out of argv; what is left is ours. The name
    // is made absolute, as the Open dialog gives it (the title and Save As show
    // it), and goes through the program's file-name conversion, so names that
    // are not UTF-8 open too.
    if (argc > 1) {
        std::error_code error;
        const std::filesystem::path path = std::filesystem::absolute(argv[1], error);
        m_strStartFile = base::WideFromPath(error ? std::filesystem::path(argv[1]) : path);
    }
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
    // Once the window is up, so a failure message has its owner on screen.
    if (!m_strStartFile.empty()) {
        QMetaObject::invokeMethod(
            &dlg, [&dlg, this] { dlg.OpenFile(m_strStartFile); }, Qt::QueuedConnection);
    }
    return exec();
}
