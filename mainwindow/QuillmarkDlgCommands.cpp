// The main window's commands and the filter that turns keys into them.

#include "mainwindow/QuillmarkDlg.h"

#include "framework/CommandIds.h"
#include "exchange/TextClipboard.h"
#include "mainwindow/AboutDlg.h"
#include "platform/Drawing.h"
#include "platform/KeyTranslation.h"
#include "platform/CommandEvent.h"
#include "shift/ShiftTimesDlg.h"
#include "statistics/StatisticsDlg.h"
#include "strokelist/StenoViewList.h"
#include "translation/DictionariesDlg.h"
#include "translation/TranscriptDlg.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

using namespace framework;
using namespace mainwindow;

bool CQuillmarkDlg::event(QEvent* pEvent)
{
    // Queued: a message about a dictionary that changed on disk waits until the
    // window is active, rather than opening inside its activation.
    if (pEvent->type() == QEvent::WindowActivate)
        QTimer::singleShot(0, this, [this] { m_translation.ReloadChanged(); });
    const std::optional<int> nID = platform::CommandOf(pEvent);
    if (!nID)
        return CResizableDialog::event(pEvent);
    OnCommand(*nID);
    return true;
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
    // While the focus is in the stroke editor, Esc abandons the edit there.
    if (type == QEvent::KeyPress && IsOwnWindow(pWatched))
        return m_menus.TakeKey(platform::TranslateKey(static_cast<const QKeyEvent&>(*pEvent)),
                               m_pList->IsEditorPart(QApplication::focusWidget()));
    if (type == QEvent::MouseButtonPress && pWatched == this)
        return PreTranslateSurfacePress(static_cast<const QMouseEvent&>(*pEvent));
    return CResizableDialog::eventFilter(pWatched, pEvent);
}

void CQuillmarkDlg::OnCommand(int nID)
{
    // Buttons, accelerators, menu entries and the window menu all end here. A
    // new command is one row.
    struct Route
    {
        int nID;
        bool bMenuEntry; ///< closes the menus first
        void (*pRun)(CQuillmarkDlg&);
    };
    static constexpr Route kRoutes[] = {
        {IDC_BTN_MAXIMIZE, false, [](CQuillmarkDlg& dlg) { dlg.ToggleMaximize(); }},
        {IDC_BTN_MINIMIZE, false, [](CQuillmarkDlg& dlg) { dlg.showMinimized(); }},
        {kIdCancel, false, [](CQuillmarkDlg& dlg) { dlg.OnCancel(); }},
        {IDC_BTN_FILE, false, [](CQuillmarkDlg& dlg) { dlg.m_menus.File().Open(); }},
        {IDC_BTN_EDIT, false, [](CQuillmarkDlg& dlg) { dlg.m_menus.Edit().Open(); }},
        {IDC_BTN_OPTIONS, false, [](CQuillmarkDlg& dlg) { dlg.m_menus.Options().Open(); }},
        {IDC_BTN_HELP, false, [](CQuillmarkDlg& dlg) { CAboutDlg(&dlg).exec(); }},
        {IDM_ABOUTBOX, false, [](CQuillmarkDlg& dlg) { CAboutDlg(&dlg).exec(); }},
        {ID_FILE_OPEN, true, [](CQuillmarkDlg& dlg) { dlg.m_flows.OpenWithDialog(); }},
        {ID_FILE_SAVE, true, [](CQuillmarkDlg& dlg) { dlg.m_flows.Save(); }},
        {ID_FILE_SAVE_AS, true, [](CQuillmarkDlg& dlg) { dlg.m_flows.SaveAs(); }},
        {ID_FILE_EXPORT, true, [](CQuillmarkDlg& dlg) { dlg.m_flows.Export(); }},
        {ID_FILE_IMPORT, true, [](CQuillmarkDlg& dlg) { dlg.m_flows.Import(); }},
        {ID_APP_EXIT, true, [](CQuillmarkDlg& dlg) { dlg.OnCancel(); }},
        {ID_EDIT_DELETE_STROKE, true, [](CQuillmarkDlg& dlg) { dlg.m_flows.Delete(); }},
        {ID_EDIT_EDIT_STROKE, true, [](CQuillmarkDlg& dlg) { dlg.m_pList->BeginEdit(); }},
        {ID_EDIT_COPY, true, [](CQuillmarkDlg& dlg) { dlg.m_document.Copy(); }},
        {ID_EDIT_COPY_AS_TEXT, true,
         [](CQuillmarkDlg& dlg) { exchange::CopyAsText(dlg.m_document); }},
        {ID_EDIT_PASTE, true, [](CQuillmarkDlg& dlg) { dlg.m_document.Paste(); }},
        {ID_EDIT_SHIFT_TIMES, true,
         [](CQuillmarkDlg& dlg) { CShiftTimesDlg(dlg.m_document, dlg.m_flows, &dlg).exec(); }},
        {ID_EDIT_FIND, true, [](CQuillmarkDlg& dlg) { dlg.m_pSearchDialogs->OpenFind(dlg.Rect()); }},
        {ID_EDIT_REPLACE, true,
         [](CQuillmarkDlg& dlg) { dlg.m_pSearchDialogs->OpenReplace(dlg.Rect()); }},
        {ID_EDIT_GOTO_TIME, true,
         [](CQuillmarkDlg& dlg) { dlg.m_pSearchDialogs->OpenGotoTime(dlg.Rect()); }},
        {ID_OPTIONS_CONFIGURATION, true, [](CQuillmarkDlg& dlg) { dlg.m_pMonitors->Configure(); }},
        {ID_OPTIONS_STROKE_TIMES, true, [](CQuillmarkDlg& dlg) { dlg.m_pMonitors->ShowStrokeTimes(); }},
        // The selection when there is one, else the whole document.
        {ID_OPTIONS_STATISTICS, true,
         [](CQuillmarkDlg& dlg) {
             const doc::StrokeRange range = dlg.m_document.SelectionOrAll();
             dlg.m_pStatistics->ShowRange(range.nFirst, range.Count());
         }},
        {ID_EDIT_NEXT_UNTRANSLATED, true,
         [](CQuillmarkDlg& dlg) { dlg.m_translation.GoToNextUntranslated(); }},
        {ID_OPTIONS_TRANSCRIPT, true, [](CQuillmarkDlg& dlg) { dlg.m_pTranscript->ShowRaised(); }},
        {ID_OPTIONS_DICTIONARIES, true,
         [](CQuillmarkDlg& dlg) {
             CDictionariesDlg::Edit(&dlg, dlg.m_fileDialogs, dlg.m_translation);
         }},
    };
    // The recent-file entry and anything unknown find no route and do nothing.
    for (const Route& route : kRoutes) {
        if (route.nID == nID) {
            if (route.bMenuEntry)
                m_menus.HideAll();
            route.pRun(*this);
            return;
        }
    }
}

void CQuillmarkDlg::OpenFile(const std::wstring& strPath)
{
    m_flows.Open(strPath);
}

platform::Rect CQuillmarkDlg::Rect() const
{
    return platform::FromQRect(geometry());
}
