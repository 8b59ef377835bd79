#include "mainwindow/QuillmarkDlg.h"

#include "framework/BorderlessWindow.h"
#include "framework/CommandIds.h"
#include "framework/SkinIds.h"
#include "mainwindow/FileRequests.h"
#include "monitors/StrokeMonitorDlg.h"
#include "platform/BitmapRegistry.h"
#include "platform/Desktop.h"
#include "platform/DialogControls.h"
#include "platform/Drawing.h"
#include "platform/Fonts.h"
#include "platform/core/Prompter.h"
#include "search/FindStrokeDlg.h"
#include "search/GotoTimeDlg.h"
#include "search/ReplaceStrokeDlg.h"
#include "strokelist/StenoViewList.h"

#include <QApplication>
#include <QMouseEvent>

#include <array>

using namespace framework;
using namespace mainwindow;
using platform::Answer;

namespace {

constexpr int kIconBitmap = 128;
constexpr int kBackgroundBitmap = 130;

// Minimize, maximize/restore, close, File, Edit, Options, Help: the order of
// PlaceButtons.
constexpr std::array<framework::ButtonSkinIds, 7> kButtonSkins = {
    framework::kSkinMinimize, framework::kSkinMaximize, framework::kSkinClose, framework::kSkinFile,
    framework::kSkinEdit,     framework::kSkinOptions,  framework::kSkinHelp,
};

constexpr int kFontHeight = -17;
constexpr int kPathFontHeight = -13;

QFont FontOf(const wchar_t* pszFace, int nHeight, int nWeight)
{
    return platform::MakeFont({pszFace, nHeight, nWeight, false, platform::Pitch::Default});
}

} // namespace

CQuillmarkDlg::CQuillmarkDlg(platform::Prompter& prompter, platform::FileDialogs& fileDialogs,
                             QWidget* pParent)
    : CResizableDialog(pParent, Qt::Window), m_prompter(prompter), m_fileDialogs(fileDialogs),
      m_bmpBackground(CBitmapRegistry::Load(kBackgroundBitmap)),
      m_fontStatus(FontOf(L"Arial", kFontHeight, platform::kWeightBold)),
      m_fontHeading(FontOf(L"Square721 BT", kFontHeight, platform::kWeightNormal)),
      m_fontPath(FontOf(L"Square721 BT", kPathFontHeight, platform::kWeightNormal)),
      m_btnMinimize(this), m_btnMaximize(this), m_btnClose(this), m_btnFile(this), m_btnEdit(this),
      m_btnOptions(this), m_btnHelp(this)
{
    // Dragging the body moves the window; owned by the window itself.
    new CBorderlessWindow(this, [this] { OnCancel(); });
    setWindowIcon(CBitmapRegistry::LoadIcon(kIconBitmap));
    // The background is drawn whole; nothing needs erasing first.
    setAttribute(Qt::WA_OpaquePaintEvent);

    // Everything is laid out for the opening size; the anchors measure their
    // margins against it.
    resize(kInitialClientSize.cx, kInitialClientSize.cy);
    const platform::Rect rcWork = platform::DesktopWorkArea();
    move(rcWork.left + (rcWork.Width() - width()) / 2,
         rcWork.top + (rcWork.Height() - height()) / 2);
    CreateButtons();
    CreateMenus();
    CreateList();
    PlaceControls();
    CreateMonitors();
    CreateSearchDialogs();
    setWindowTitle(QString::fromStdWString(WindowTitle({})));

    // Keys reach the main window's filter before the control that has the focus.
    qApp->installEventFilter(this);
}

CQuillmarkDlg::~CQuillmarkDlg()
{
    qApp->removeEventFilter(this);
    // The list goes first: it may still tell the main window about its document.
    delete m_pList;
    m_pList = nullptr;
    // Then the monitors (the time monitor goes with its owner) and the search dialogs.
    delete m_pStrokeMonitor;
    m_pStrokeMonitor = nullptr;
    m_pTimeMonitor = nullptr;
    delete m_pReplaceDlg;
    delete m_pFindDlg;
    delete m_pGotoDlg;
}

void CQuillmarkDlg::CreateButtons()
{
    const std::array<CxSkinButton*, 7> buttons = {&m_btnMinimize, &m_btnMaximize, &m_btnClose,
                                                  &m_btnFile,     &m_btnEdit,     &m_btnOptions,
                                                  &m_btnHelp};
    const auto places = PlaceButtons(width());
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        CxSkinButton& button = *buttons[i];
        const framework::ButtonSkinIds& skin = kButtonSkins[i];
        platform::SetControlId(&button, places[i].nId);
        button.SetSkin(skin);
        // Title-bar buttons: the keyboard stays with the list and the menus.
        button.setFocusPolicy(Qt::NoFocus);
    }
}

void CQuillmarkDlg::CreateMenus()
{
    m_fileMenu.Create(this, IDC_FILE_MENU, {kFileMenuAt.x, kFileMenuAt.y});
    m_editMenu.Create(this, IDC_EDIT_MENU, {kEditMenuAt.x, kEditMenuAt.y});
    m_optionsMenu.Create(this, IDC_OPTIONS_MENU, {kOptionsMenuAt.x, kOptionsMenuAt.y});
    for (CBaseMenuWnd* pMenu :
         {static_cast<CBaseMenuWnd*>(&m_fileMenu), static_cast<CBaseMenuWnd*>(&m_editMenu),
          static_cast<CBaseMenuWnd*>(&m_optionsMenu)}) {
        pMenu->SetCommandTarget(this);
        AddAnchor(pMenu, kTopLeft);
    }
}

void CQuillmarkDlg::CreateList()
{
    m_pList = new CStenoViewList(this, this, m_prompter);
    platform::SetControlId(m_pList, IDC_STROKE_LIST);
    m_pList->setGeometry(platform::ToQRect(ListRect(width(), height())));
    m_pList->SetMenusToRepaint({&m_fileMenu, &m_editMenu, &m_optionsMenu});
    // The menus open over the list.
    m_pList->lower();
    AddAnchor(m_pList, kTopLeft, kBottomRight);
}

// Hidden until their commands open them, centred over the window as it is then.
void CQuillmarkDlg::CreateSearchDialogs()
{
    m_pReplaceDlg = new CReplaceStrokeDlg(this);
    m_pFindDlg = new CFindStrokeDlg(this);
    m_pGotoDlg = new CGotoTimeDlg(this);
}

void CQuillmarkDlg::PlaceControls()
{
    for (const ButtonPlace& place : PlaceButtons(width())) {
        if (QWidget* pButton = platform::FindControl(this, place.nId))
            pButton->move(place.topLeft.x, place.topLeft.y);
    }
    m_rcStatus = mainwindow::StatusRect(width(), height());
}

std::wstring CQuillmarkDlg::DefaultFolder() const
{
    return mainwindow::DefaultFolder(platform::DocumentsFolder());
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
    ShowMonitorAtStart();
    m_pList->setFocus();
}

void CQuillmarkDlg::ToggleMaximize()
{
    if (m_nWindowState == kWindowNormal) {
        m_rcNormal = platform::FromQRect(geometry());
        ShowSizeGrip(false);
        setGeometry(platform::ToQRect(platform::DesktopWorkArea()));
        m_nWindowState = kWindowMaximized;
    } else {
        ShowSizeGrip(true);
        setGeometry(platform::ToQRect(m_rcNormal));
        m_nWindowState = kWindowNormal;
    }
    update();
}

void CQuillmarkDlg::resizeEvent(QResizeEvent* pEvent)
{
    // The anchors move the list and the menus first.
    CResizableDialog::resizeEvent(pEvent);
    PlaceControls();
    update();
}

void CQuillmarkDlg::UpdateTitle()
{
    setWindowTitle(QString::fromStdWString(WindowTitle(m_pList->Document().FileName())));
}

void CQuillmarkDlg::OnCurrentStroke(int nCurrent, int nCount)
{
    m_nStatusCurrent = nCurrent;
    m_nStatusCount = nCount;
    update(platform::ToQRect(m_rcStatus));
    UpdateMonitors();
    // A single Replace after the user moved starts at the stroke now current.
    if (m_pReplaceDlg != nullptr)
        strokelist::FollowCurrentStroke(m_pReplaceDlg->State(), m_pList->Document());
}

void CQuillmarkDlg::reject()
{
    // Qt's own close paths (the window manager's close, Esc in a dialog) end here.
    OnCancel();
}

void CQuillmarkDlg::OnCancel()
{
    if (m_pList != nullptr && m_pList->Document().IsModified()) {
        strokelist::CStrokeDocument& document = m_pList->Document();
        switch (m_prompter.YesNoCancel(CloseQuestion(document.FileName()))) {
        case Answer::Yes:
            document.SaveFile(document.FileName(), m_prompter);
            document.SetModified(false);
            break;
        case Answer::No:
            document.SetModified(false);
            break;
        default:
            return;
        }
    }
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
    if (pEvent->button() != Qt::LeftButton || pEvent->position().y() >= kTitleBandHeight) {
        CResizableDialog::mouseDoubleClickEvent(pEvent);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    ToggleMaximize();
}

void CQuillmarkDlg::contextMenuEvent(QContextMenuEvent* pEvent)
{
    if (pEvent->pos().y() >= kTitleBandHeight) {
        pEvent->ignore();
        return;
    }
    ShowWindowMenu(pEvent->globalPos());
}
