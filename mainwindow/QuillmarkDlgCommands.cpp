// The main window's commands and the filter that turns keys into them.

#include "mainwindow/QuillmarkDlg.h"

#include "framework/CommandIds.h"
#include "mainwindow/AboutDlg.h"
#include "mainwindow/FileRequests.h"
#include "platform/Desktop.h"
#include "platform/Drawing.h"
#include "platform/KeyTranslation.h"
#include "platform/MessageEvent.h"
#include "platform/core/FileDialogs.h"
#include "search/FindStrokeDlg.h"
#include "search/GotoTimeDlg.h"
#include "search/ReplaceStrokeDlg.h"
#include "strokelist/SearchRequests.h"
#include "fields/StenoStrokeEdit.h"
#include "strokelist/StenoViewList.h"

#include <QApplication>
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
        OnSearchRequest(message);
        return true;
    default:
        return false;
    }
}

void CQuillmarkDlg::OnSearchRequest(const CMessageEvent& message)
{
    // The dialogs only ask; the request runs on the list and moves the dialog's
    // next start.
    strokelist::CStrokeDocument& document = m_pList->Document();
    const int nStart = static_cast<int>(message.LParam());
    switch (message.Message()) {
    case platform::WM_REPLACE_STROKE:
        strokelist::RunReplaceRequest(document, m_prompter, m_pReplaceDlg->State(),
                                      message.WParam() != 0, nStart);
        break;
    case platform::WM_FIND_STROKE:
        strokelist::RunFindRequest(document, m_prompter, m_pFindDlg->State(), nStart);
        break;
    default:
        strokelist::RunGotoTimeRequest(document, m_prompter, m_pGotoDlg->State(), nStart);
        break;
    }
}

bool CQuillmarkDlg::IsOwnWindow(const QObject* pObject) const
{
    // Only the main window's own controls: the search dialogs are windows of
    // their own and keep their keys, as a dialog does (the Esc step below would
    // otherwise take Esc from the go-to-time dialog); the monitors never take
    // the keyboard.
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
    if (key.nVirtualKey != platform::kVkEscape || EditingStroke())
        return false;
    // Esc closes the menus and never the window.
    HideAllMenus();
    return true;
}

// Keys go to the focus: while it is in the stroke editor, Esc abandons the edit there.
bool CQuillmarkDlg::EditingStroke() const
{
    return m_pList != nullptr && m_pList->StrokeEdit().Owns(QApplication::focusWidget());
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
        {ID_EDIT_FIND, [](CQuillmarkDlg& dlg) { dlg.OnEditFind(); }},
        {ID_EDIT_REPLACE, [](CQuillmarkDlg& dlg) { dlg.OnEditReplace(); }},
        {ID_EDIT_GOTO_TIME, [](CQuillmarkDlg& dlg) { dlg.OnEditGotoTime(); }},
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

// Find, Replace and Goto Time open their dialog over the window, filled from
// the current stroke; where the next search starts is left as it was.
void CQuillmarkDlg::OnEditFind()
{
    m_editMenu.hide();
    m_pFindDlg->CentreOver(platform::FromQRect(geometry()));
    m_pFindDlg->Open(search::OpeningKeys(m_pList->Document()));
}

void CQuillmarkDlg::OnEditReplace()
{
    m_editMenu.hide();
    m_pReplaceDlg->CentreOver(platform::FromQRect(geometry()));
    m_pReplaceDlg->Open(search::OpeningKeys(m_pList->Document()));
}

void CQuillmarkDlg::OnEditGotoTime()
{
    m_editMenu.hide();
    m_pGotoDlg->CentreOver(platform::FromQRect(geometry()));
    m_pGotoDlg->Open(search::OpeningTime(m_pList->Document()));
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
