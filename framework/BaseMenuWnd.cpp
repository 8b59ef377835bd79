#include "framework/BaseMenuWnd.h"

#include "framework/CommandIds.h"
#include "framework/MenuTables.h"
#include "platform/BitmapRegistry.h"
#include "platform/core/ColorRef.h"
#include "platform/DialogControls.h"
#include "platform/Drawing.h"
#include "platform/Fonts.h"
#include "platform/KeyTranslation.h"
#include "platform/CommandEvent.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>


using namespace platform;
using framework::CMenuNavigation;
using framework::MenuItem;

namespace {

constexpr int kLabelHeight = -15;
constexpr int kHoverBarLeft = 4;
// The recent-file entry never shows the hover bar: there is no file behind it.
constexpr std::uint32_t kNeverHighlighted = framework::ID_FILE_MRU_FILE1;

constexpr ColorRef kOutline = kBlack;
constexpr ColorRef kOutlineDisabled = Rgb(120, 120, 120);
constexpr ColorRef kLetter = kWhite;
constexpr ColorRef kLetterDisabled = Rgb(210, 210, 210);

QFont LabelFont(bool bUnderline)
{
    return MakeFont({L"Square721 BT", kLabelHeight, kWeightNormal, bUnderline, Pitch::Default});
}

} // namespace

CBaseMenuWnd::CBaseMenuWnd(std::vector<MenuItem> items, int nBackground)
    : m_bmpHover(CBitmapRegistry::Load(framework::kMenuHoverBar)),
      m_bmpSeparator(CBitmapRegistry::Load(framework::kMenuSeparator)), m_font(LabelFont(false)),
      m_fontUnderline(LabelFont(true)), m_navigation(std::move(items))
{
    m_bmpBackground = CBitmapRegistry::Load(nBackground);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();
}

void CBaseMenuWnd::Create(QWidget* pParent, int nID, QPoint ptTopLeft)
{
    setParent(pParent);
    SetControlId(this, nID);
    setGeometry(QRect(ptTopLeft, m_bmpBackground.size()));
    hide();
}

void CBaseMenuWnd::Open()
{
    RepaintBands(m_navigation.Open());
    show();
    raise();
    setFocus(Qt::PopupFocusReason);
}

bool CBaseMenuWnd::event(QEvent* pEvent)
{
    // Enter and the arrows are the menu's before any shortcut or focus chain sees them.
    if (pEvent->type() == QEvent::KeyPress && HandleKey(static_cast<QKeyEvent&>(*pEvent)))
        return true;
    return QWidget::event(pEvent);
}

bool CBaseMenuWnd::HandleKey(const QKeyEvent& event)
{
    const auto result = m_navigation.KeyDown(TranslateKey(event).nVirtualKey);
    if (!result.bConsumed)
        return false;
    RepaintBands(result.change);
    if (result.nChosen != -1)
        Choose(result.nChosen);
    return true;
}

void CBaseMenuWnd::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    SetBkMode(painter, BkMode::Transparent);
    CopyBitmap(painter, 0, 0, m_bmpBackground);
    const int nHover = m_navigation.Hover();
    if (nHover != -1) {
        const MenuItem& hovered = Items()[static_cast<std::size_t>(nHover)];
        if (hovered.nID != kNeverHighlighted)
            CopyBitmap(painter, kHoverBarLeft, hovered.rcItem.top, m_bmpHover);
    }
    for (const MenuItem& item : Items()) {
        if (item.nID == 0)
            CopyBitmap(painter, item.rcItem.left, item.rcItem.top, m_bmpSeparator);
        else
            DrawLabel(painter, item);
    }
}

void CBaseMenuWnd::DrawLabel(QPainter& painter, const MenuItem& item)
{
    const bool bDisabled = item.nState == framework::kMenuItemDisabled;
    int x = item.rcItem.left;
    const int y = item.rcItem.top;
    for (std::size_t i = 0; i < item.strText.size(); ++i) {
        const std::wstring strChar(1, item.strText[i]);
        const QFont& font = static_cast<int>(i) == item.nAccelChar ? m_fontUnderline : m_font;
        painter.setFont(font);
        OutlinedTextOut(painter, x, y, strChar, bDisabled ? kOutlineDisabled : kOutline,
                        bDisabled ? kLetterDisabled : kLetter);
        x += TextExtent(font, strChar).cx + 1;
    }
}

void CBaseMenuWnd::mouseMoveEvent(QMouseEvent* pEvent)
{
    const QPoint pt = pEvent->position().toPoint();
    RepaintBands(m_navigation.MouseMove(pt.x(), pt.y(), width()));
}

void CBaseMenuWnd::mousePressEvent(QMouseEvent* pEvent)
{
    if (pEvent->button() == Qt::LeftButton)
        m_navigation.ButtonDown();
}

void CBaseMenuWnd::mouseReleaseEvent(QMouseEvent* pEvent)
{
    if (pEvent->button() != Qt::LeftButton)
        return;
    const int nChosen = m_navigation.ButtonUp();
    if (nChosen != -1)
        Choose(nChosen);
}

void CBaseMenuWnd::focusOutEvent(QFocusEvent* pEvent)
{
    QWidget::focusOutEvent(pEvent);
    hide();
}

void CBaseMenuWnd::RepaintBands(const CMenuNavigation::Change& change)
{
    if (!change.Changed())
        return;
    for (const int nIndex : {change.nOld, change.nNew}) {
        if (nIndex == -1)
            continue;
        const auto& rc = Items()[static_cast<std::size_t>(nIndex)].rcItem;
        update(0, rc.top, width(), rc.Height() + 1);
    }
}

void CBaseMenuWnd::Choose(int nIndex)
{
    QObject* pTarget = m_pCommandTarget;
    if (pTarget == nullptr && parentWidget() != nullptr)
        pTarget = parentWidget()->window();
    // Hidden first, then run at once: a key typed right behind the choice finds
    // the command done (the stroke editor open, say).
    hide();
    SendCommand(pTarget, static_cast<int>(Items()[static_cast<std::size_t>(nIndex)].nID));
}
