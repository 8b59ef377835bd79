#include "mainwindow/QuillmarkDlg.h"

#include "framework/BorderlessWindow.h"
#include "framework/CommandIds.h"
#include "framework/SkinIds.h"
#include "platform/BitmapRegistry.h"
#include "platform/Desktop.h"
#include "platform/DialogControls.h"
#include "platform/Drawing.h"
#include "platform/Fonts.h"
#include "strokelist/StenoViewList.h"

#include <QApplication>
#include <QMouseEvent>

#include <array>

using namespace framework;
using namespace mainwindow;

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
    : CResizableDialog(pParent, Qt::Window),
      m_flows(m_document, prompter, fileDialogs, platform::DocumentsFolder()),
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
    m_pMonitors = std::make_unique<CMonitorWindows>(this, m_document);
    m_pSearchDialogs = std::make_unique<CSearchDialogs>(this, m_document, m_flows);
    m_document.AddObserver(*this);
    setWindowTitle(QString::fromStdWString(WindowTitle({})));

    // Keys reach the main window's filter before the control that has the focus.
    qApp->installEventFilter(this);
}

CQuillmarkDlg::~CQuillmarkDlg()
{
    qApp->removeEventFilter(this);
    m_document.RemoveObserver(*this);
    // The list goes first: the document it observes goes with the window.
    delete m_pList;
    m_pList = nullptr;
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
    m_pList = new CStenoViewList(this, m_document, m_flows);
    platform::SetControlId(m_pList, IDC_STROKE_LIST);
    m_pList->setGeometry(platform::ToQRect(ListRect(width(), height())));
    m_pList->SetMenusToRepaint({&m_fileMenu, &m_editMenu, &m_optionsMenu});
    // The menus open over the list.
    m_pList->lower();
    AddAnchor(m_pList, kTopLeft, kBottomRight);
}

void CQuillmarkDlg::PlaceControls()
{
    for (const ButtonPlace& place : PlaceButtons(width())) {
        if (QWidget* pButton = platform::FindControl(this, place.nId))
            pButton->move(place.topLeft.x, place.topLeft.y);
    }
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
