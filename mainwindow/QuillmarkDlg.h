#pragma once
// The main window: a borderless, skinned, resizable window that hosts the
// stroke list, draws its own title line, headings and status line, owns the
// pop-up menus and runs every command the user gives.

#include "framework/EditMenuWnd.h"
#include "framework/FileMenuWnd.h"
#include "framework/OptionsMenuWnd.h"
#include "framework/ResizableDialog.h"
#include "framework/xSkinButton.h"
#include "mainwindow/CommandKeys.h"
#include "mainwindow/MainWindowLayout.h"
#include "platform/core/Geometry.h"
#include "strokelist/StrokeListObserver.h"

#include <QFont>
#include <QPixmap>

#include <string>

class CFindStrokeDlg;
class CGotoTimeDlg;
class CReplaceStrokeDlg;
class CStenoViewList;
class CStrokeMonitorDlg;
class CStrokeTimeMonitor;
class CMessageEvent;
class QKeyEvent;

namespace platform {
class FileDialogs;
class Prompter;
struct KeyInput;
} // namespace platform

class CQuillmarkDlg : public CResizableDialog, public strokelist::IStrokeListObserver
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
    /// The window text: the document's full path, or "No document".
    void UpdateTitle();
    /// Loads the file as File > Open does once its name is chosen, failure
    /// message included; an empty name loads nothing.
    void OpenFile(const std::wstring& strPath);
    /// The close request: asks to save a modified document, then ends the run.
    void OnCancel();

    // Told by the list at every setting of the current stroke.
    void OnCurrentStroke(int nCurrent, int nCount) override;

    int WindowState() const { return m_nWindowState; }
    platform::Rect NormalRect() const { return m_rcNormal; }
    platform::Rect StatusRect() const { return m_rcStatus; }
    CStenoViewList* List() const { return m_pList; }
    CBaseMenuWnd& FileMenu() { return m_fileMenu; }
    CBaseMenuWnd& EditMenu() { return m_editMenu; }
    CBaseMenuWnd& OptionsMenu() { return m_optionsMenu; }
    CStrokeMonitorDlg* StrokeMonitor() const { return m_pStrokeMonitor; }
    CStrokeTimeMonitor* TimeMonitor() const { return m_pTimeMonitor; }
    bool ShowsStrokeMonitor() const { return m_bShowStrokeMonitor; }
    CFindStrokeDlg* FindDlg() const { return m_pFindDlg; }
    CReplaceStrokeDlg* ReplaceDlg() const { return m_pReplaceDlg; }
    CGotoTimeDlg* GotoDlg() const { return m_pGotoDlg; }
    /// Where Open and Save As start without a document.
    std::wstring DefaultFolder() const;

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
    // Construction.
    void CreateButtons();
    void CreateMenus();
    void CreateList();
    void CreateSearchDialogs();
    void PlaceControls();
    void CreateMonitors();
    void ShowMonitorAtStart();
    void UpdateMonitors();

    // The filter that sees keys and mouse presses before the controls.
    bool PreTranslateKey(const platform::KeyInput& key);
    bool EditingStroke() const;
    bool PreTranslateSurfacePress(const QMouseEvent& event);
    bool OnMessage(const CMessageEvent& message);
    void OnSearchRequest(const CMessageEvent& message);
    bool IsOwnWindow(const QObject* pObject) const;
    mainwindow::OpenMenu VisibleMenu() const;
    void HideAllMenus();

    // Commands.
    void OnFileOpen();
    void OnFileSave();
    void OnFileSaveAs();
    void OnFileExit();
    void OnEditDelete();
    void OnEditEdit();
    void OnEditCopy();
    void OnEditPaste();
    void OnEditFind();
    void OnEditReplace();
    void OnEditGotoTime();
    void OnOptionsConfiguration();
    void OnOptionsStrokeTimes();
    void OnAbout();
    void RepaintPathBand();
    void ShowWindowMenu(const QPoint& ptGlobal);

    // Painting.
    void PaintBackground(QPainter& painter) const;
    void PaintStatus(QPainter& painter) const;
    void PaintHeadings(QPainter& painter) const;
    void PaintPathLine(QPainter& painter) const;

    platform::Prompter& m_prompter;
    platform::FileDialogs& m_fileDialogs;

    int m_nWindowState = mainwindow::kWindowNormal;
    CStenoViewList* m_pList = nullptr; // child window, deleted first
    // Owned modeless windows, hidden between uses.
    CReplaceStrokeDlg* m_pReplaceDlg = nullptr;
    CFindStrokeDlg* m_pFindDlg = nullptr;
    CGotoTimeDlg* m_pGotoDlg = nullptr;
    platform::Rect m_rcNormal;
    QPixmap m_bmpBackground;
    platform::Rect m_rcStatus;
    /// The current index and stroke count of the list's last notification.
    int m_nStatusCurrent = -1;
    int m_nStatusCount = 0;
    QFont m_fontStatus;
    QFont m_fontHeading;
    QFont m_fontPath;
    bool m_bInitialised = false;
    bool m_bShowStrokeMonitor = true;              // lasts until the program ends
    CStrokeMonitorDlg* m_pStrokeMonitor = nullptr; // owned; deleted after the list
    CStrokeTimeMonitor* m_pTimeMonitor = nullptr;  // owned by the stroke monitor's window

    CxSkinButton m_btnMinimize;
    CxSkinButton m_btnMaximize;
    CxSkinButton m_btnClose;
    CxSkinButton m_btnFile;
    CxSkinButton m_btnEdit;
    CxSkinButton m_btnOptions;
    CxSkinButton m_btnHelp;
    CFileMenuWnd m_fileMenu;
    CEditMenuWnd m_editMenu;
    COptionsMenuWnd m_optionsMenu;
};
