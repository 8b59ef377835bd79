#include "mainwindow/QuillmarkDlg.h"

#include "framework/BorderlessWindow.h"
#include "framework/CommandIds.h"
#include "mainwindow/WindowMenu.h"
#include "platform/BitmapRegistry.h"
#include "platform/Desktop.h"
#include "platform/DialogControls.h"
#include "platform/Drawing.h"
#include "statistics/StatisticsDlg.h"
#include "strokelist/StenoViewList.h"
#include "translation/TranscriptDlg.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

using namespace framework;
using namespace mainwindow;

namespace {

constexpr int kIconBitmap = 128;

} // namespace

CQuillmarkDlg::CQuillmarkDlg(platform::Prompter& prompter, platform::FileDialogs& fileDialogs,
                             QWidget* pParent)
    : CResizableDialog(pParent, Qt::Window), m_fileDialogs(fileDialogs),
      m_flows(m_document, prompter, fileDialogs, platform::DocumentsFolder()), m_runner(this),
      m_translation(m_document, prompter, translation::CDictionarySettings::SettingsFile())
{
    m_flows.SetRunner(m_runner);
    // Dragging the body moves the window; owned by the window itself.
    new CBorderlessWindow(this);
    setWindowIcon(CBitmapRegistry::LoadIcon(kIconBitmap));
    // The background is drawn whole; nothing needs erasing first.
    setAttribute(Qt::WA_OpaquePaintEvent);

    // Everything is laid out for the opening size; the anchors measure their
    // margins against it.
    resize(kInitialClientSize.cx, kInitialClientSize.cy);
    const platform::Rect rcWork = platform::DesktopWorkArea();
    move(rcWork.left + (rcWork.Width() - width()) / 2,
         rcWork.top + (rcWork.Height() - height()) / 2);
    m_buttons.Create(this);
    m_menus.Create(this);
    for (QWidget* pMenu : m_menus.Windows())
        AddAnchor(pMenu, kTopLeft);
    // A dictionary that cannot be read is told before the window shows.
    m_translation.LoadDictionaries();
    CreateList();
    PlaceControls();
    m_pMonitors = std::make_unique<CMonitorWindows>(this, m_document);
    m_pSearchDialogs = std::make_unique<CSearchDialogs>(this, m_document, m_flows);
    m_pStatistics = std::make_unique<CStatisticsDlg>(this, m_document, prompter, fileDialogs);
    m_pTranscript = std::make_unique<CTranscriptDlg>(this, m_document, m_translation);
    m_document.AddObserver(*this);
    m_translation.AddObserver(*this);
    setWindowTitle(QString::fromStdWString(WindowTitle({})));

    // Keys reach the main window's filter before the control that has the focus.
    qApp->installEventFilter(this);
}

CQuillmarkDlg::~CQuillmarkDlg()
{
    qApp->removeEventFilter(this);
    m_translation.RemoveObserver(*this);
    m_document.RemoveObserver(*this);
    // The list goes first: the document it observes goes with the window.
    delete m_pList;
    m_pList = nullptr;
}

void CQuillmarkDlg::CreateList()
{
    m_pList = new CStenoViewList(this, m_document, m_flows);
    platform::SetControlId(m_pList, IDC_STROKE_LIST);
    m_pList->setGeometry(platform::ToQRect(ListRect(width(), height())));
    m_pList->SetMenusToRepaint(m_menus.Windows());
    m_pList->SetTranslation(&m_translation);
    // The menus open over the list.
    m_pList->lower();
    AddAnchor(m_pList, kTopLeft, kBottomRight);
}

void CQuillmarkDlg::PlaceControls()
{
    m_buttons.Place(width());
    m_rcStatus = mainwindow::StatusRect(width(), height());
}

void CQuillmarkDlg::showEvent(QShowEvent* pEvent)
{
    // The base class takes the opening size as the smallest; only then does the
    // window cover the work area.
    CResizableDialog::showEvent(pEvent);
    if (m_bInitialised)
        return;
    m_bInitialised = true;
    ToggleMaximize();
    m_pMonitors->ShowAtStart();
    m_pList->setFocus();
}

void CQuillmarkDlg::ToggleMaximize()
{
    const bool bMaximize = m_nWindowState == kWindowNormal;
    if (bMaximize)
        m_rcNormal = platform::FromQRect(geometry());
    ShowSizeGrip(!bMaximize);
    setGeometry(platform::ToQRect(bMaximize ? platform::DesktopWorkArea() : m_rcNormal));
    m_nWindowState = bMaximize ? kWindowMaximized : kWindowNormal;
    update();
}

void CQuillmarkDlg::resizeEvent(QResizeEvent* pEvent)
{
    // The anchors move the list and the menus first.
    CResizableDialog::resizeEvent(pEvent);
    PlaceControls();
    update();
}

void CQuillmarkDlg::paintEvent(QPaintEvent*)
{
    // A minimised window is not painted on this platform: the task bar shows the icon.
    QPainter painter(this);
    m_picture.Paint(painter, {{width(), height()},
                              m_rcStatus,
                              StatusText(m_nStatusCurrent, m_nStatusCount),
                              m_pList->Layout(),
                              m_document.FileName()});
    // An open File menu stays drawn over the new background.
    if (m_menus.File().isVisible())
        m_menus.File().update();
}

void CQuillmarkDlg::OnCurrentChanged(const doc::CurrentChange& change)
{
    m_nStatusCurrent = change.nCurrent;
    m_nStatusCount = change.nCount;
    update(platform::ToQRect(m_rcStatus));
}

void CQuillmarkDlg::OnFileNameChanged(const std::wstring& strFileName)
{
    setWindowTitle(QString::fromStdWString(WindowTitle(strFileName)));
    update(0, 0, width(), kPathBandHeight);
}

void CQuillmarkDlg::OnColumnShown(bool)
{
    update();
}

void CQuillmarkDlg::reject()
{
    // Qt's own close paths (the window manager's close, Esc in a dialog) end here.
    OnCancel();
}

void CQuillmarkDlg::OnCancel()
{
    if (m_flows.Close())
        CResizableDialog::reject();
}

bool CQuillmarkDlg::PreTranslateSurfacePress(const QMouseEvent& event)
{
    if (event.button() != Qt::LeftButton)
        return false;
    setFocus(Qt::MouseFocusReason);
    // Only the normal window moves when its body is dragged; a maximised one stays.
    return m_nWindowState != kWindowNormal;
}

void CQuillmarkDlg::mouseDoubleClickEvent(QMouseEvent* pEvent)
{
    if (pEvent->button() != Qt::LeftButton || pEvent->position().y() >= kTitleBandHeight)
        return CResizableDialog::mouseDoubleClickEvent(pEvent);
    setFocus(Qt::MouseFocusReason);
    ToggleMaximize();
}

void CQuillmarkDlg::contextMenuEvent(QContextMenuEvent* pEvent)
{
    if (pEvent->pos().y() >= kTitleBandHeight)
        return pEvent->ignore();
    ShowWindowMenu(this, m_nWindowState == kWindowMaximized, pEvent->globalPos());
}
