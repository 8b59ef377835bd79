// quillmark-gallery: draws every skinned control of the program in each of its
// looks and writes them as PNG files into the folder given on the command line,
// so the skin can be reviewed without running the editor.
//
//   quillmark-gallery <folder> [stroke-file]
//
// With a stroke file it also draws the main window with that file open, as
// main-window.png.

#include "framework/CommandIds.h"
#include "framework/EditMenuWnd.h"
#include "framework/FileMenuWnd.h"
#include "framework/OptionsMenuWnd.h"
#include "framework/SkinIds.h"
#include "framework/xSkinButton.h"
#include "mainwindow/QuillmarkDlg.h"
#include "platform/Fonts.h"
#include "platform/CommandEvent.h"
#include "platform/core/FileDialogs.h"
#include "platform/core/Prompter.h"
#include "strokelist/StenoViewList.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QMouseEvent>

#include <cstdio>

namespace {

/// Answers every question with Cancel, so a file that cannot be opened ends
/// the drawing instead of waiting for a click nobody gives.
class CancellingPrompter : public platform::Prompter
{
public:
    platform::Answer YesNo(const std::wstring&) override { return platform::Answer::No; }
    platform::Answer YesNoCancel(const std::wstring&) override { return platform::Answer::Cancel; }
    platform::Answer RetryCancel(const std::wstring&) override { return platform::Answer::Cancel; }
    void Information(const std::wstring&) override {}
};

/// The Open dialog picks the file to draw; nothing is ever saved.
class OneFileDialogs : public platform::FileDialogs
{
public:
    explicit OneFileDialogs(std::wstring strPath) : m_strPath(std::move(strPath)) {}
    std::wstring OpenFile(const platform::FileRequest&) override { return m_strPath; }
    std::wstring SaveFile(const platform::FileRequest&) override { return {}; }

private:
    std::wstring m_strPath;
};

struct ButtonSkin
{
    const char* pszName;
    framework::ButtonSkinIds ids;
    int nMargin;
    SkinButtonKind kind;
    const char* pszCaption;
    platform::Rect rcFocusMargins;
};

// Every skin the program's buttons use.
constexpr ButtonSkin kButtonSkins[] = {
    {"button-close", framework::kSkinClose, 0, SkinButtonKind::Push, "", {}},
    {"button-maximize", framework::kSkinMaximize, 0, SkinButtonKind::Push, "", {}},
    {"button-minimize", framework::kSkinMinimize, 0, SkinButtonKind::Push, "", {}},
    {"button-file", framework::kSkinFile, 0, SkinButtonKind::Push, "", {}},
    {"button-edit", framework::kSkinEdit, 0, SkinButtonKind::Push, "", {}},
    {"button-options", framework::kSkinOptions, 0, SkinButtonKind::Push, "", {}},
    {"button-help", framework::kSkinHelp, 0, SkinButtonKind::Push, "", {}},
    {"button-dialog", framework::kSkinDialogButton, 5, SkinButtonKind::Push, "Find", {}},
    {"checkbox-configuration",
     framework::kSkinCheckBox,
     0,
     SkinButtonKind::Check,
     "",
     {5, 12, 5, 5}},
};

class CGallery
{
public:
    explicit CGallery(QDir folder) : m_folder(std::move(folder)) {}

    int Failures() const { return m_nFailures; }

    void Save(QWidget& widget, const QString& strName)
    {
        const QString strPath = m_folder.filePath(strName + QStringLiteral(".png"));
        if (widget.size().isEmpty()) {
            std::fprintf(stderr, "quillmark-gallery: '%s' has no picture: skin bitmaps missing\n",
                         qPrintable(strName));
            ++m_nFailures;
            return;
        }
        if (widget.grab().save(strPath))
            return;
        std::fprintf(stderr, "quillmark-gallery: cannot write '%s'\n", qPrintable(strPath));
        ++m_nFailures;
    }

    void DrawButton(const ButtonSkin& skin)
    {
        QWidget host;
        CxSkinButton button(&host, skin.kind);
        button.setText(QString::fromLatin1(skin.pszCaption));
        button.SetSkin(skin.ids, skin.nMargin, skin.rcFocusMargins);
        const QString strName = QString::fromLatin1(skin.pszName);
        Save(button, strName + QStringLiteral("-normal"));

        const QPointF ptCentre(button.width() / 2.0, button.height() / 2.0);
        QMouseEvent move(QEvent::MouseMove, ptCentre, button.mapToGlobal(ptCentre), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&button, &move);
        Save(button, strName + QStringLiteral("-over"));

        button.setDown(true);
        Save(button, strName + QStringLiteral("-down"));
        button.setDown(false);

        button.setEnabled(false);
        Save(button, strName + QStringLiteral("-disabled"));
    }

    /// The menu opened with the hover moved down nDowns times.
    template <typename Menu> void DrawMenu(const QString& strName, int nDowns)
    {
        QWidget host;
        host.resize(200, 200);
        Menu menu; // destroyed before its host, which would otherwise delete it
        menu.Create(&host, 0, {0, 0});
        menu.Open();
        for (int i = 0; i < nDowns; ++i) {
            QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
            QApplication::sendEvent(&menu, &down);
        }
        Save(menu, strName);
    }

    /// The main window in its normal state at a screenshot's size, with the
    /// file open and a stroke a little way down current.
    void DrawMainWindow(const QString& strFile)
    {
        constexpr QSize kShotSize(1000, 640);
        constexpr int kCurrentStroke = 6;
        CancellingPrompter prompter;
        OneFileDialogs dialogs(strFile.toStdWString());
        CQuillmarkDlg dlg(prompter, dialogs);
        dlg.show();
        if (dlg.WindowState() == mainwindow::kWindowMaximized)
            dlg.ToggleMaximize();
        dlg.resize(kShotSize);
        platform::SendCommand(&dlg, framework::ID_FILE_OPEN);
        if (dlg.Document().Count() == 0) {
            std::fprintf(stderr, "quillmark-gallery: cannot open '%s'\n", qPrintable(strFile));
            ++m_nFailures;
            return;
        }
        dlg.Document().SetCurrentStroke(kCurrentStroke, false);
        QApplication::processEvents();
        Save(dlg, QStringLiteral("main-window"));
    }

private:
    QDir m_folder;
    int m_nFailures = 0;
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: quillmark-gallery <folder> [stroke-file]\n");
        return 2;
    }
    platform::RegisterFontSubstitutions();
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "quillmark-gallery: cannot create folder '%s'\n", argv[1]);
        return 1;
    }

    CGallery gallery(folder);
    for (const ButtonSkin& skin : kButtonSkins)
        gallery.DrawButton(skin);
    gallery.DrawMenu<CFileMenuWnd>(QStringLiteral("menu-file"), 0);
    gallery.DrawMenu<CEditMenuWnd>(QStringLiteral("menu-edit"), 5);
    gallery.DrawMenu<COptionsMenuWnd>(QStringLiteral("menu-options"), 1);
    if (argc == 3)
        gallery.DrawMainWindow(QString::fromLocal8Bit(argv[2]));
    return gallery.Failures() == 0 ? 0 : 1;
}
