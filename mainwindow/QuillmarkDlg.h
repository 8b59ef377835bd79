#pragma once
// The main window: a borderless, skinned, resizable window that hosts the
// stroke list, draws its own title line, headings and status line, owns the
// document, the pop-up menus, the monitors and the search dialogs, and routes
// every command the user gives to the document's flows or to a window.

#include "document/DocumentFlows.h"
#include "document/DocumentObserver.h"
#include "document/StrokeDocument.h"
#include "framework/EditMenuWnd.h"
#include "framework/FileMenuWnd.h"
#include "framework/OptionsMenuWnd.h"
#include "framework/ResizableDialog.h"
#include "framework/xSkinButton.h"
#include "mainwindow/CommandKeys.h"
#include "mainwindow/MainWindowLayout.h"
#include "monitors/MonitorWindows.h"
#include "platform/core/Geometry.h"
#include "search/SearchDialogs.h"

#include <QFont>
#include <QPixmap>

#include <memory>
#include <string>

class CStenoViewList;
class QKeyEvent;

namespace platform {
class FileDialogs;
class Prompter;
struct KeyInput;
} // namespace platform

class CQuillmarkDlg : public CResizableDialog, private doc::IDocumentObserver
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
    platform::Rect StatusRect() const { return m_rcStatus; }
    CStenoViewList* List() const { return m_pList; }
    CBaseMenuWnd& FileMenu() { return m_fileMenu; }
    CBaseMenuWnd& EditMenu() { return m_editMenu; }
    CBaseMenuWnd& OptionsMenu() { return m_optionsMenu; }
    CMonitorWindows& Monitors() { return *m_pMonitors; }
    CSearchDialogs& SearchDialogs() { return *m_pSearchDialogs; }

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

    // Construction.
    void CreateButtons();
    void CreateMenus();
    void CreateList();
    void PlaceControls();

    // The filter that sees keys and mouse presses before the controls.
    bool PreTranslateKey(const platform::KeyInput& key);
    bool PreTranslateSurfacePress(const QMouseEvent& event);
    bool IsOwnWindow(const QObject* pObject) const;
    mainwindow::OpenMenu VisibleMenu() const;
    void HideAllMenus();
    void ShowWindowMenu(const QPoint& ptGlobal);
    void OnAbout();
    /// The window's rectangle on the screen, for the dialogs opened over it.
    platform::Rect Rect() const;

    // Painting.
    void PaintBackground(QPainter& painter) const;
    void PaintStatus(QPainter& painter) const;
    void PaintHeadings(QPainter& painter) const;
    void PaintPathLine(QPainter& painter) const;

    doc::CStrokeDocument m_document;
    doc::CDocumentFlows m_flows;

    int m_nWindowState = mainwindow::kWindowNormal;
    CStenoViewList* m_pList = nullptr; // child window, deleted first
    std::unique_ptr<CMonitorWindows> m_pMonitors;
    std::unique_ptr<CSearchDialogs> m_pSearchDialogs;
    platform::Rect m_rcNormal;
    QPixmap m_bmpBackground;
    platform::Rect m_rcStatus;
    /// The current index and stroke count of the document's last notification.
    int m_nStatusCurrent = -1;
    int m_nStatusCount = 0;
    QFont m_fontStatus;
    QFont m_fontHeading;
    QFont m_fontPath;
    bool m_bInitialised = false;

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
