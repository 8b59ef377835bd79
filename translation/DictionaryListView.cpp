#include "translation/DictionaryListView.h"

#include "base/FilePath.h"
#include "platform/Drawing.h"
#include "platform/Fonts.h"
#include "translation/DictionaryListEditor.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>

namespace {

constexpr int kTextHeight = -13;
constexpr int kBoxLeft = 6;
constexpr int kBoxSide = 13;
constexpr int kTextLeft = 26;
constexpr int kTextRightMargin = 4;
/// The skin's navy, behind the selected row.
constexpr platform::ColorRef kSelectedFill = platform::Rgb(0x36, 0x4A, 0x62);
constexpr platform::ColorRef kLeftOutInk = platform::kMarkedGrey;

void PaintBox(QPainter& painter, const QRect& box, bool bTicked, platform::ColorRef ink)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QColor colour(platform::RedOf(ink), platform::GreenOf(ink), platform::BlueOf(ink));
    painter.setPen(QPen(colour, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5));
    if (bTicked) {
        painter.setPen(QPen(colour, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const QPointF at = QRectF(box).topLeft();
        painter.drawPolyline(
            QPolygonF({at + QPointF(3, 6.5), at + QPointF(5.5, 9.5), at + QPointF(10, 3.5)}));
    }
    painter.restore();
}

} // namespace

CDictionaryListView::CDictionaryListView(QWidget* pParent,
                                         translation::CDictionaryListEditor& editor)
    : QWidget(pParent), m_editor(editor)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFont(platform::MakeFont({L"Arial", kTextHeight, platform::kWeightNormal}));
}

int CDictionaryListView::VisibleRows() const
{
    return std::max(1, height() / kRowHeight);
}

QRect CDictionaryListView::BoxRect(int nRow) const
{
    return {kBoxLeft, nRow * kRowHeight + (kRowHeight - kBoxSide) / 2, kBoxSide, kBoxSide};
}

void CDictionaryListView::Refresh()
{
    if (const auto nSelected = m_editor.Selected()) {
        const int nRow = static_cast<int>(*nSelected);
        if (nRow < m_nTop)
            m_nTop = nRow;
        else if (nRow >= m_nTop + VisibleRows())
            m_nTop = nRow - VisibleRows() + 1;
    }
    ScrollTo(m_nTop);
}

void CDictionaryListView::ScrollTo(int nTop)
{
    const int nCount = static_cast<int>(m_editor.Entries().size());
    m_nTop = std::clamp(nTop, 0, std::max(0, nCount - VisibleRows()));
    update();
}

void CDictionaryListView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    platform::FillSolidRect(painter, platform::FromQRect(rect()), platform::kWhite);
    platform::SetBkMode(painter, platform::BkMode::Transparent);
    const std::size_t nCount = m_editor.Entries().size();
    for (int nRow = 0; nRow < VisibleRows() + 1; ++nRow) {
        const auto nIndex = static_cast<std::size_t>(m_nTop + nRow);
        if (nIndex < nCount)
            PaintEntry(painter, nIndex, nRow * kRowHeight);
    }
    if (hasFocus() && m_editor.Selected())
        platform::DrawFocusRect(
            painter, {0, (static_cast<int>(*m_editor.Selected()) - m_nTop) * kRowHeight, width(),
                      (static_cast<int>(*m_editor.Selected()) - m_nTop + 1) * kRowHeight});
}

// A dictionary left out is grey; the selected row is white on navy.
void CDictionaryListView::PaintEntry(QPainter& painter, std::size_t nIndex, int y) const
{
    const translation::DictionaryEntry& entry = m_editor.Entries()[nIndex];
    const bool bSelected = m_editor.Selected() == nIndex;
    if (bSelected)
        platform::FillSolidRect(painter, {0, y, width(), y + kRowHeight}, kSelectedFill);
    const platform::ColorRef ink =
        bSelected ? platform::kWhite : (entry.bEnabled ? platform::kBlack : kLeftOutInk);
    PaintBox(painter, BoxRect(0).translated(0, y), entry.bEnabled, ink);
    // Long paths lose their middle, so the folder's start and the file's name stay.
    const QString strPath = QString::fromStdWString(base::WideFromPath(entry.path));
    const int nTextWidth = width() - kTextLeft - kTextRightMargin;
    platform::SetTextColor(painter, ink);
    painter.drawText(QRect(kTextLeft, y, nTextWidth, kRowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     painter.fontMetrics().elidedText(strPath, Qt::ElideMiddle, nTextWidth));
}

void CDictionaryListView::mousePressEvent(QMouseEvent* pEvent)
{
    setFocus(Qt::MouseFocusReason);
    const QPoint pt = pEvent->position().toPoint();
    const int nRow = pt.y() / kRowHeight;
    const auto nIndex = static_cast<std::size_t>(m_nTop + nRow);
    if (pEvent->button() != Qt::LeftButton || nIndex >= m_editor.Entries().size())
        return;
    m_editor.Select(nIndex);
    if (BoxRect(nRow).adjusted(-3, -3, 3, 3).contains(pt))
        m_editor.Toggle(nIndex);
    Refresh();
}

void CDictionaryListView::keyPressEvent(QKeyEvent* pEvent)
{
    const auto nSelected = m_editor.Selected();
    switch (pEvent->key()) {
    case Qt::Key_Up:
        m_editor.Select(nSelected && *nSelected > 0 ? *nSelected - 1 : 0);
        break;
    case Qt::Key_Down:
        m_editor.Select(nSelected ? std::min(*nSelected + 1, m_editor.Entries().size() - 1) : 0);
        break;
    case Qt::Key_Space:
        if (nSelected)
            m_editor.Toggle(*nSelected);
        break;
    default:
        return QWidget::keyPressEvent(pEvent);
    }
    Refresh();
}

void CDictionaryListView::wheelEvent(QWheelEvent* pEvent)
{
    ScrollTo(m_nTop - pEvent->angleDelta().y() / 120);
    pEvent->accept();
}
