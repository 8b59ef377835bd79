#pragma once
// The main window: a borderless, skinned, resizable window that hosts the
// stroke list, draws its own title line, headings and status line, and owns the
// document, its translation, the menus, the monitors, the transcript window and
// the search dialogs. It holds no rule of its own: it routes each command to the
// document's flows or to a window.

#include "document/DocumentFlows.h"
#include "document/DocumentObserver.h"
#include "document/StrokeDocument.h"
#include "framework/ResizableDialog.h"
#include "mainwindow/MainMenus.h"
#include "mainwindow/MainWindowLayout.h"
#include "mainwindow/MainWindowPicture.h"
#include "mainwindow/TitleButtons.h"
#include "monitors/MonitorWindows.h"
#include "platform/QtBackgroundRunner.h"
#include "search/SearchDialogs.h"
#include "translation/TranslationModel.h"

#include <memory>
#include <string>

class CStatisticsDlg;
class CStenoViewList;
class CTranscriptDlg;

namespace platform {
class FileDialogs;
class Prompter;
} // namespace platform

class CQuillmarkDlg : public CResizableDialog,
                      private doc::IDocumentObserver,
                      private translation::ITranslationObserver
{
    Q_OBJECT

public:
    /// The questions and file dialogs are the caller's: Qt ones in the program,
    /// scripted ones in tests.
    CQuillmarkDlg(platform::Prompter& prompter, platform::FileDialogs& fileDialogs,
                  QWidget* pParent = nullptr);
    ~CQuillmarkDlg() override;

    /// Switches between the window covering the work area and its normal rectangle.
    void ToggleMaximize();
    /// Loads the file as File > Open does once its name is chosen, failure
    /// message included; an empty name loads nothing.
    void OpenFile(const std::wstring& strPath);
    /// The close request: asks to save a modified document, then ends the run;
    /// the window stays open when the user cancels or a save fails.
    void OnCancel();

    doc::CStrokeDocument& Document() { return m_document; }
    doc::CDocumentFlows& Flows() { return m_flows; }
    int WindowState() const { return m_nWindowState; }
    platform::Rect NormalRect() const { return m_rcNormal; }
    CStenoViewList* List() const { return m_pList; }
    CMainMenus& Menus() { return m_menus; }
    CMonitorWindows& Monitors() { return *m_pMonitors; }
    CSearchDialogs& SearchDialogs() { return *m_pSearchDialogs; }
    CStatisticsDlg& Statistics() { return *m_pStatistics; }
    translation::CTranslationModel& Translation() { return m_translation; }
    CTranscriptDlg& Transcript() { return *m_pTranscript; }

protected:
    /// Runs one command, whoever sent it.
    virtual void OnCommand(int nID);

    bool event(QEvent* pEvent) override;
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;
    void reject() override;
    void showEvent(QShowEvent* pEvent) override;
    void resizeEvent(QResizeEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;
    void mouseDoubleClickEvent(QMouseEvent* pEvent) override;
    void contextMenuEvent(QContextMenuEvent* pEvent) override;

private:
    // What the window shows of the document: the status line, the title and path.
    void OnCurrentChanged(const doc::CurrentChange& change) override;
    void OnFileNameChanged(const std::wstring& strFileName) override;
    // The heading of the translation column comes and goes with it.
    void OnColumnShown(bool bShown) override;

    void CreateList();
    void PlaceControls();
    bool IsOwnWindow(const QObject* pObject) const;
    bool PreTranslateSurfacePress(const QMouseEvent& event);
    /// The window's rectangle on the screen, for the dialogs opened over it.
    platform::Rect Rect() const;

    platform::FileDialogs& m_fileDialogs;
    doc::CStrokeDocument m_document;
    doc::CDocumentFlows m_flows;
    QtBackgroundRunner m_runner; ///< long loads and saves run off the window's thread
    translation::CTranslationModel m_translation;
    CMainWindowPicture m_picture;
    CMainMenus m_menus;
    CTitleButtons m_buttons;
    CStenoViewList* m_pList = nullptr;     // child window, deleted first
    std::unique_ptr<CMonitorWindows> m_pMonitors;
    std::unique_ptr<CSearchDialogs> m_pSearchDialogs;
    std::unique_ptr<CStatisticsDlg> m_pStatistics;
    std::unique_ptr<CTranscriptDlg> m_pTranscript;

    int m_nWindowState = mainwindow::kWindowNormal;
    platform::Rect m_rcNormal;
    platform::Rect m_rcStatus;
    /// The current index and stroke count of the document's last notification.
    int m_nStatusCurrent = -1;
    int m_nStatusCount = 0;
    bool m_bInitialised = false;
};
