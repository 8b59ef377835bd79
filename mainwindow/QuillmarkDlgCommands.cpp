// The main window's commands and the filter that turns keys into them.

#include "mainwindow/QuillmarkDlg.h"

#include "framework/CommandIds.h"
#include "mainwindow/AboutDlg.h"
#include "mainwindow/FileRequests.h"
#include "platform/Desktop.h"
#include "platform/KeyTranslation.h"
#include "platform/MessageEvent.h"
#include "platform/core/FileDialogs.h"
#include "strokelist/StenoViewList.h"

#include <QKeyEvent>
#include <QMenu>

using namespace framework;
using namespace mainwindow;

bool CQuillmarkDlg::event(QEvent* pEvent)
{
    if (const CMessageEvent* pMessage = CMessageEvent::From(pEvent))
        return OnMessage(*pMessage);
    return CResizableDialog::event(pEvent);
}

bool CQuillmarkDlg::OnMessage(const CMessageEvent& message)
{
    switch (message.Message()) {
    case platform::kWmCommand:
        OnCommand(static_cast<int>(message.WParam()));
        return true;
    case platform::WM_REPLACE_STROKE:
    case platform::WM_FIND_STROKE:
    case platform::WM_GOTO_TIME:
        // The search dialogs' requests, run on the list once the dialogs exist.
        return true;
    default:
        return false;
    }
}

bool CQuillmarkDlg::IsOwnWindow(const QObject* pObject) const
{
    // The owned modeless windows (monitors, search dialogs) join here once they exist.
    const auto* pWidget = qobject_cast<const QWidget*>(pObject);
    return pWidget != nullptr && pWidget->window() == this;
}

bool CQuillmarkDlg::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    const QEvent::Type type = pEvent->type();
    if (type == QEvent::KeyPress && IsOwnWindow(pWatched))
        return PreTranslateKey(platform::TranslateKey(static_cast<const QKeyEvent&>(*pEvent)));
    if (type == QEvent::MouseButtonPress && pWatched == this)
        return PreTranslateSurfacePress(static_cast<const QMouseEvent&>(*pEvent));
    return CResizableDialog::eventFilter(pWatched, pEvent);
}

bool CQuillmarkDlg::PreTranslateKey(const platform::KeyInput& key)
{
    if (const auto accelerator = AcceleratorCommand(key)) {
        platform::SendCommand(this, accelerator->nCommand);
        return true;
    }
    if (const auto letter = MenuLetterCommand(VisibleMenu(), key.nVirtualKey)) {
        if (letter->nCommand != 0)
            platform::SendCommand(this, letter->nCommand);
        return true;
    }
    if (key.nVirtualKey != platform::kVkEscape)
        return false;
    // Esc closes the menus and never the window.
    HideAllMenus();
    return true;
}

OpenMenu CQuillmarkDlg::VisibleMenu() const
{
    if (m_fileMenu.isVisible())
        return OpenMenu::File;
    if (m_editMenu.isVisible())
        return OpenMenu::Edit;
    if (m_optionsMenu.isVisible())
        return OpenMenu::Options;
    return OpenMenu::None;
}

void CQuillmarkDlg::HideAllMenus()
{
    m_fileMenu.hide();
    m_editMenu.hide();
    m_optionsMenu.hide();
}

void CQuillmarkDlg::OnCommand(int nID)
{
    // Buttons, accelerators, menu entries and the window menu all end here.
    struct Route
    {
        int nID;
        void (*pRun)(CQuillmarkDlg&);
    };
    static constexpr Route kRoutes[] = {
        {IDC_BTN_MAXIMIZE, [](CQuillmarkDlg& dlg) { dlg.ToggleMaximize(); }},
        {IDC_BTN_MINIMIZE, [](CQuillmarkDlg& dlg) { dlg.showMinimized(); }},
        {kIdCancel, [](CQuillmarkDlg& dlg) { dlg.OnCancel(); }},
        {IDC_BTN_FILE, [](CQuillmarkDlg& dlg) { dlg.m_fileMenu.Open(); }},
        {IDC_BTN_EDIT, [](CQuillmarkDlg& dlg) { dlg.m_editMenu.Open(); }},
        {IDC_BTN_OPTIONS, [](CQuillmarkDlg& dlg) { dlg.m_optionsMenu.Open(); }},
        {IDC_BTN_HELP, [](CQuillmarkDlg& dlg) { dlg.OnAbout(); }},
        {IDM_ABOUTBOX, [](CQuillmarkDlg& dlg) { dlg.OnAbout(); }},
        {ID_FILE_OPEN, [](CQuillmarkDlg& dlg) { dlg.OnFileOpen(); }},
        {ID_FILE_SAVE, [](CQuillmarkDlg& dlg) { dlg.OnFileSave(); }},
        {ID_FILE_SAVE_AS, [](CQuillmarkDlg& dlg) { dlg.OnFileSaveAs(); }},
        {ID_APP_EXIT, [](CQuillmarkDlg& dlg) { dlg.OnFileExit(); }},
        {ID_EDIT_DELETE_STROKE, [](CQuillmarkDlg& dlg) { dlg.OnEditDelete(); }},
        {ID_EDIT_EDIT_STROKE, [](CQuillmarkDlg& dlg) { dlg.OnEditEdit(); }},
        {ID_EDIT_COPY, [](CQuillmarkDlg& dlg) { dlg.OnEditCopy(); }},
        {ID_EDIT_PASTE, [](CQuillmarkDlg& dlg) { dlg.OnEditPaste(); }},
        {ID_EDIT_FIND, [](CQuillmarkDlg& dlg) { dlg.OnEditSearch(); }},
        {ID_EDIT_REPLACE, [](CQuillmarkDlg& dlg) { dlg.OnEditSearch(); }},
        {ID_EDIT_GOTO_TIME, [](CQuillmarkDlg& dlg) { dlg.OnEditSearch(); }},
        {ID_OPTIONS_CONFIGURATION, [](CQuillmarkDlg& dlg) { dlg.OnOptionsConfiguration(); }},
        {ID_OPTIONS_STROKE_TIMES, [](CQuillmarkDlg& dlg) { dlg.OnOptionsStrokeTimes(); }},
    };
    // The recent-file entry and anything unknown find no route and do nothing.
    for (const Route& route : kRoutes) {
        if (route.nID == nID) {
            route.pRun(*this);
            return;
        }
    }
}

void CQuillmarkDlg::OnFileOpen()
{
    m_fileMenu.hide();
    OpenFile(m_fileDialogs.OpenFile(OpenRequest(platform::DocumentsFolder())));
}

void CQuillmarkDlg::OpenFile(const std::wstring& strPath)
{
    if (!strPath.empty())
        m_pList->Document().LoadFile(strPath, m_prompter);
    RepaintPathBand();
    UpdateTitle();
}

void CQuillmarkDlg::OnFileSave()
{
    m_fileMenu.hide();
    // An empty path is the document's own file; without one nothing is saved.
    m_pList->Document().SaveFile({}, m_prompter);
    RepaintPathBand();
}

void CQuillmarkDlg::OnFileSaveAs()
{
    m_fileMenu.hide();
    strokelist::CStrokeDocument& document = m_pList->Document();
    const std::wstring strPath =
        m_fileDialogs.SaveFile(SaveAsRequest(document.FileName(), platform::DocumentsFolder()));
    if (!strPath.empty())
        document.SaveFile(strPath, m_prompter);
    RepaintPathBand();
    UpdateTitle();
}

void CQuillmarkDlg::OnFileExit()
{
    m_fileMenu.hide();
    OnCancel();
}

void CQuillmarkDlg::OnEditDelete()
{
    m_editMenu.hide();
    if (m_pList->Document().Current() != -1)
        m_pList->Document().DeleteStroke(m_prompter);
}

void CQuillmarkDlg::OnEditEdit()
{
    m_editMenu.hide();
    if (m_pList->Document().Current() != -1)
        m_pList->Document().BeginEdit();
}

void CQuillmarkDlg::OnEditCopy()
{
    m_editMenu.hide();
    if (m_pList->Document().Current() != -1)
        m_pList->Document().CopyStroke();
}

void CQuillmarkDlg::OnEditPaste()
{
    m_editMenu.hide();
    m_pList->Document().PasteStroke();
}

void CQuillmarkDlg::OnEditSearch()
{
    m_editMenu.hide();
    // Find, Replace and Goto Time centre, show and fill their dialogs here once
    // those exist.
}

void CQuillmarkDlg::OnOptionsConfiguration()
{
    m_optionsMenu.hide();
    // The configuration dialog runs here once it exists.
}

void CQuillmarkDlg::OnOptionsStrokeTimes()
{
    m_optionsMenu.hide();
    // Shows the stroke time monitor once it exists.
}

void CQuillmarkDlg::OnAbout()
{
    CAboutDlg about(this);
    about.exec();
}

void CQuillmarkDlg::RepaintPathBand()
{
    update(0, 0, width(), kPathBandHeight);
}

void CQuillmarkDlg::ShowWindowMenu(const QPoint& ptGlobal)
{
    QMenu menu(this);
    const bool bMaximized = m_nWindowState == kWindowMaximized;
    const auto add = [this, &menu](const QString& strText, int nID, bool bEnabled) {
        QAction* pAction =
            menu.addAction(strText, this, [this, nID] { platform::PostCommand(this, nID); });
        pAction->setEnabled(bEnabled);
    };
    add(QStringLiteral("&Restore"), IDC_BTN_MAXIMIZE, bMaximized);
    add(QStringLiteral("Mi&nimize"), IDC_BTN_MINIMIZE, true);
    add(QStringLiteral("Ma&ximize"), IDC_BTN_MAXIMIZE, !bMaximized);
    add(QStringLiteral("&Close"), kIdCancel, true);
    menu.addSeparator();
    add(QStringLiteral("&About Quillmark..."), IDM_ABOUTBOX, true);
    menu.exec(ptGlobal);
}
