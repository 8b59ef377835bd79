#include "strokelist/StenoViewList.h"

#include "framework/CommandIds.h"
#include "platform/Desktop.h"
#include "platform/DialogControls.h"
#include "platform/CommandEvent.h"
#include "platform/Drawing.h"
#include "platform/Fonts.h"
#include "platform/KeyTranslation.h"
#include "base/LocalTime.h"
#include "document/DocumentFlows.h"
#include "document/StrokeDocument.h"
#include "strokelist/ListKeys.h"
#include "strokelist/ListScrolling.h"
#include "strokelist/RowCells.h"
#include "fields/StenoStrokeEdit.h"
#include "fields/StrokeEditPlacement.h"
#include "translation/TranslationInks.h"
#include "translation/TranslationModel.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <array>
#include <span>

namespace {

constexpr int kScrollBarWidth = 20;
constexpr int kDefaultWheelLines = 3;
constexpr platform::ColorRef kGrey = platform::kMarkedGrey;
/// Selected rows: light enough for black and grey letters, unlike the current row.
constexpr platform::ColorRef kSelectedRow = platform::Rgb(190, 210, 240);
/// Centred, at the top of the cell (no single-line mode), cut with an ellipsis.
constexpr platform::TextFlags kTimeFlags =
    platform::kDtCenter | platform::kDtVCenter | platform::kDtEndEllipsis;
constexpr const char* kTimeFormat = "%H:%M:%S";
/// At the top of the cell, as the other columns, cut with an ellipsis.
constexpr platform::TextFlags kWordFlags =
    platform::kDtLeft | platform::kDtSingleLine | platform::kDtEndEllipsis | platform::kDtNoPrefix;

std::vector<QtTextMeasurer> MakeListFonts()
{
    std::vector<QtTextMeasurer> fonts;
    fonts.reserve(strokelist::kListFontCount);
    for (int i = 0; i < strokelist::kListFontCount; ++i)
        fonts.emplace_back(platform::MakeFont(strokelist::ListFontDesc(i)));
    return fonts;
}

std::optional<strokelist::ScrollRequest> ScrollRequestOf(int nAction)
{
    using strokelist::ScrollRequest;
    switch (nAction) {
    case QAbstractSlider::SliderSingleStepSub:
        return ScrollRequest::LineUp;
    case QAbstractSlider::SliderSingleStepAdd:
        return ScrollRequest::LineDown;
    case QAbstractSlider::SliderPageStepSub:
        return ScrollRequest::PageUp;
    case QAbstractSlider::SliderPageStepAdd:
        return ScrollRequest::PageDown;
    case QAbstractSlider::SliderMove:
        return ScrollRequest::Thumb;
    case QAbstractSlider::SliderToMinimum:
        return ScrollRequest::Top;
    case QAbstractSlider::SliderToMaximum:
        return ScrollRequest::Bottom;
    default:
        return std::nullopt;
    }
}

platform::Rect RowCell(const platform::Rect& rcColumn, int y)
{
    return {rcColumn.left, y, rcColumn.right, y + rcColumn.Height()};
}

} // namespace

struct CStenoViewList::RowColours
{
    platform::ColorRef text;
    platform::ColorRef background;

    platform::ColorRef Of(strokelist::CellInk ink) const
    {
        switch (ink) {
        case strokelist::CellInk::Text:
            return text;
        case strokelist::CellInk::Grey:
            return kGrey;
        default:
            return background;
        }
    }
};

CStenoViewList::CStenoViewList(QWidget* pParent, doc::CStrokeDocument& document,
                               doc::CDocumentFlows& flows)
    : QWidget(pParent), m_document(document), m_flows(flows), m_fonts(MakeListFonts()),
      m_pScrollBar(new QScrollBar(Qt::Vertical, this)), m_pStrokeEdit(new CStenoStrokeEdit(this)),
      m_wheelLines([] { return std::optional(platform::WheelScrollLines()); })
{
    setFocusPolicy(Qt::StrongFocus);
    // The rows are painted whole over a white fill.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Clicking the bar scrolls without taking the focus from the list.
    m_pScrollBar->setFocusPolicy(Qt::NoFocus);
    m_pScrollBar->setRange(0, 0);
    m_pScrollBar->installEventFilter(this);
    connect(m_pScrollBar, &QAbstractSlider::actionTriggered, this, &CStenoViewList::OnScrollAction);
    // Before the first layout the bar already stands at the right edge.
    m_pScrollBar->setGeometry(width() - kScrollBarWidth, 0, kScrollBarWidth, height());
    platform::SetControlId(m_pStrokeEdit, framework::IDC_STROKE_EDIT);
    connect(m_pStrokeEdit, &CStenoStrokeEdit::Finished, this, &CStenoViewList::OnEditFinished);
    m_document.AddObserver(*this);
}

CStenoViewList::~CStenoViewList()
{
    SetTranslation(nullptr);
    m_document.RemoveObserver(*this);
}

void CStenoViewList::SetTranslation(translation::CTranslationModel* pTranslation)
{
    if (m_pTranslation != nullptr)
        m_pTranslation->RemoveObserver(*this);
    m_pTranslation = pTranslation;
    if (m_pTranslation != nullptr)
        m_pTranslation->AddObserver(*this);
    OnColumnShown(ShowsTranslation());
}

bool CStenoViewList::ShowsTranslation() const
{
    return m_pTranslation != nullptr && m_pTranslation->ShowsColumn();
}

void CStenoViewList::OnTranslationChanged(const translation::TranslationRows& rows)
{
    const int nTop = ScrollPos();
    if (rows.nFirst <= nTop + m_layout.nPageRows && rows.nEnd >= nTop)
        RepaintListArea();
}

void CStenoViewList::OnColumnShown(bool)
{
    HideEditor();
    if (m_bLayoutDone)
        RecalcLayout();
    RepaintListArea();
}

void CStenoViewList::OnCurrentChanged(const doc::CurrentChange& change)
{
    HideEditor();
    if (change.bBringIntoView) {
        SetScrollPos(strokelist::BringIntoViewPosition(change.nCurrent, change.nCount, height(),
                                                       RowHeight()));
    }
    RepaintListArea();
}

void CStenoViewList::OnStrokesChanged(const doc::StrokesChange& change)
{
    if (change.bNewDocument) {
        // The next paint lays out again, for the new stroke count.
        m_bLayoutDone = false;
        update();
        return;
    }
    SetScrollRangeMax(m_document.Count());
    RepaintListArea();
}

void CStenoViewList::OnSelectionChanged(const doc::StrokeRange&)
{
    RepaintListArea();
}

void CStenoViewList::SetMenusToRepaint(std::vector<QWidget*> menus)
{
    m_menusToRepaint.assign(menus.begin(), menus.end());
}

int CStenoViewList::ScrollPos() const
{
    return m_pScrollBar->value();
}

void CStenoViewList::SetWheelLinesSource(WheelLinesSource source)
{
    m_wheelLines = std::move(source);
}

int CStenoViewList::RowHeight() const
{
    return m_layout.RowHeight();
}

void CStenoViewList::SetScrollPos(int nPos)
{
    m_pScrollBar->setValue(strokelist::ClampScrollPos(nPos, m_nRangeMax, m_layout.nPageRows));
}

void CStenoViewList::SetScrollRangeMax(int nMax)
{
    m_nRangeMax = nMax;
    ApplyScrollRange();
}

void CStenoViewList::RepaintListArea()
{
    update(ListArea());
}

void CStenoViewList::HideEditor()
{
    m_pStrokeEdit->Close();
}

void CStenoViewList::BeginEdit()
{
    m_nEditIndex = m_document.Current();
    if (m_nEditIndex == -1)
        return;
    // An edit asked for before the first paint still needs the columns.
    EnsureLayout();
    const CStenoStroke& stroke = m_document.Stroke(m_nEditIndex);
    m_pStrokeEdit->BeginEdit(stroke.m_time, stroke.m_keys,
                             fields::PlaceStrokeEditor(m_layout, m_nEditIndex, ScrollPos()));
}

// Told inside the field's own Enter or Esc, so a key typed after it already
// finds the stroke changed and the focus back on the list.
void CStenoViewList::OnEditFinished(bool bCommit)
{
    if (bCommit)
        m_document.CommitEdit(m_nEditIndex, m_pStrokeEdit->Time(), m_pStrokeEdit->Keys());
    else
        m_document.CancelEdit();
    FocusList();
}

bool CStenoViewList::IsEditorPart(const QObject* pObject) const
{
    return m_pStrokeEdit->Owns(pObject);
}

void CStenoViewList::FocusList()
{
    setFocus(Qt::OtherFocusReason);
}

void CStenoViewList::RecalcLayout()
{
    const int nBarWidth = m_pScrollBar->width();
    m_pScrollBar->setGeometry(width() - nBarWidth, 0, nBarWidth, height());
    std::array<const platform::TextMeasurer*, strokelist::kListFontCount> measurers{};
    for (std::size_t i = 0; i < measurers.size(); ++i)
        measurers[i] = &m_fonts[i];
    m_layout =
        strokelist::ComputeListLayout(width() - nBarWidth, height(), measurers, ShowsTranslation());
    m_pStrokeEdit->SetFontDesc(strokelist::ListFontDesc(m_layout.nFont));
    m_nRangeMax = m_document.Count();
    ApplyScrollRange();
}

void CStenoViewList::EnsureLayout()
{
    if (m_bLayoutDone)
        return;
    m_bLayoutDone = true;
    RecalcLayout();
}

// The bar works in positions, the list in a range 0 … count with a page:
// the bar's maximum is the highest position that range allows.
void CStenoViewList::ApplyScrollRange()
{
    m_pScrollBar->setRange(0, ScrollLimit());
    m_pScrollBar->setPageStep(std::max(m_layout.nPageRows, 1));
}

QRect CStenoViewList::ListArea() const
{
    return {0, 0, m_pScrollBar->x(), height()};
}

int CStenoViewList::ScrollLimit() const
{
    return strokelist::ScrollLimit(m_nRangeMax, m_layout.nPageRows);
}

void CStenoViewList::ScrollTo(std::optional<int> nPos)
{
    if (!nPos)
        return;
    SetScrollPos(*nPos);
    RepaintListArea();
}

void CStenoViewList::resizeEvent(QResizeEvent* pEvent)
{
    QWidget::resizeEvent(pEvent);
    RecalcLayout();
}

void CStenoViewList::paintEvent(QPaintEvent*)
{
    EnsureLayout();
    QPainter painter(this);
    painter.setFont(m_fonts[static_cast<std::size_t>(m_layout.nFont)].Font());
    platform::FillSolidRect(painter, platform::FromQRect(ListArea()), platform::kWhite);
    platform::SetBkMode(painter, platform::BkMode::Transparent);
    const int nFirst = ScrollPos();
    const int nLast = strokelist::LastVisibleRow(nFirst, m_layout.nPageRows, m_document.Count());
    std::vector<translation::ColumnWord> words;
    if (ShowsTranslation())
        words = m_pTranslation->Column(nFirst, nLast);
    for (int k = nFirst; k < nLast; ++k) {
        const auto nWord = static_cast<std::size_t>(k - nFirst);
        PaintRow(painter, k, (k - nFirst) * RowHeight(),
                 nWord < words.size() ? &words[nWord] : nullptr);
    }
    RepaintMenus();
}

void CStenoViewList::PaintRow(QPainter& painter, int nIndex, int y,
                              const translation::ColumnWord* pWord) const
{
    const bool bCurrent = nIndex == m_document.Current();
    const bool bSelected = m_document.Selection().Contains(nIndex);
    const RowColours colours = bCurrent    ? RowColours{platform::kWhite, platform::kBlack}
                               : bSelected ? RowColours{platform::kBlack, kSelectedRow}
                                           : RowColours{platform::kBlack, platform::kWhite};
    if (bCurrent || bSelected)
        platform::FillSolidRect(painter, {1, y, ListArea().width() - 1, y + RowHeight()},
                                colours.background);
    const CStenoStroke& stroke = m_document.Stroke(nIndex);
    platform::SetTextColor(painter, colours.text);
    platform::DrawText(painter, RowCell(m_layout.rcTime, y),
                       base::FormatLocalTime(stroke.m_time, kTimeFormat), kTimeFlags);
    PaintKeyCells(painter, m_layout.rcStroke.left, y, stroke, false, colours);
    PaintKeyCells(painter, m_layout.rcRaw.left, y, stroke, true, colours);
    if (pWord != nullptr)
        PaintWord(painter, y, *pWord, bCurrent);
}

void CStenoViewList::PaintWord(QPainter& painter, int y, const translation::ColumnWord& word,
                               bool bCurrent) const
{
    using translation::ColumnWordKind;
    platform::ColorRef ink = bCurrent ? platform::kWhite : platform::kBlack;
    std::wstring strText = QString::fromStdString(word.strText).toStdWString();
    switch (word.kind) {
    case ColumnWordKind::None:
        return;
    case ColumnWordKind::Words:
        break;
    case ColumnWordKind::Continuation:
        ink = translation::kQuietInk;
        strText = translation::kContinuationMark;
        break;
    case ColumnWordKind::Untranslated:
        ink = bCurrent ? translation::kUntranslatedOnDarkInk : translation::kUntranslatedInk;
        break;
    case ColumnWordKind::NoDictionary:
        ink = translation::kQuietInk;
        break;
    }
    platform::SetTextColor(painter, ink);
    platform::DrawText(painter, RowCell(m_layout.rcTranslation, y), strText, kWordFlags);
}

void CStenoViewList::PaintKeyCells(QPainter& painter, int nLeft, int y, const CStenoStroke& stroke,
                                   bool bRawColumn, const RowColours& colours) const
{
    for (int j = 0; j < strokelist::kKeyCellCount; ++j) {
        const strokelist::CellInk ink = bRawColumn ? strokelist::RawKeyInkInRawColumn(stroke, j)
                                                   : strokelist::RawKeyInkInStrokeColumn(stroke, j);
        // A cell in the row's own background colour would leave no trace.
        if (ink == strokelist::CellInk::Background)
            continue;
        platform::SetTextColor(painter, colours.Of(ink));
        const std::size_t nCell = static_cast<std::size_t>(j);
        platform::TextOut(painter, nLeft + m_layout.cellOffsets[nCell], y,
                          std::wstring(1, strokelist::kKeyTemplate[nCell]));
    }
}

void CStenoViewList::RepaintMenus() const
{
    for (const QPointer<QWidget>& pMenu : m_menusToRepaint) {
        if (pMenu != nullptr)
            pMenu->update();
    }
}

// Key-downs come here from the list itself and from the stroke editor's fields,
// which let pass what they do not take.
bool CStenoViewList::event(QEvent* pEvent)
{
    if (HandleKeyEvent(pEvent))
        return true;
    return QWidget::event(pEvent);
}

// Key-downs are taken here, before Qt moves the focus on Tab, and claimed
// against shortcuts, so none reaches the main window; keys with Alt go on.
bool CStenoViewList::HandleKeyEvent(QEvent* pEvent)
{
    const QEvent::Type type = pEvent->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride)
        return false;
    const platform::KeyInput key = platform::TranslateKey(*static_cast<QKeyEvent*>(pEvent));
    if (!strokelist::ListTakesKey(key))
        return false;
    pEvent->accept();
    if (type == QEvent::KeyPress)
        HandleKey(key);
    return true;
}

void CStenoViewList::HandleKey(const platform::KeyInput& key)
{
    using strokelist::ListKeyAction;
    const int nPos = ScrollPos();
    const ListKeyAction action = strokelist::ListKeyActionOf(key);
    switch (action) {
    case ListKeyAction::Copy:
        return m_document.Copy();
    case ListKeyAction::Paste:
        return m_document.Paste();
    case ListKeyAction::Delete:
        return m_flows.Delete();
    case ListKeyAction::Edit:
        return BeginEdit();
    case ListKeyAction::Undo:
        return m_document.Undo();
    case ListKeyAction::Redo:
        return m_document.Redo();
    case ListKeyAction::NextUntranslated:
        if (m_pTranslation != nullptr)
            m_pTranslation->GoToNextUntranslated();
        return;
    case ListKeyAction::Up:
        return MakeCurrent(strokelist::UpTarget(m_document.Current()));
    case ListKeyAction::Down:
        return MakeCurrent(strokelist::DownTarget(m_document.Current(), m_document.Count()));
    case ListKeyAction::Home:
        return ScrollTo(0);
    case ListKeyAction::End:
        return ScrollTo(ScrollLimit());
    case ListKeyAction::PageUp:
        return ScrollTo(strokelist::PageUpTarget(nPos, m_layout.nPageRows));
    case ListKeyAction::PageDown:
        return ScrollTo(strokelist::PageDownTarget(nPos, m_layout.nPageRows, ScrollLimit()));
    case ListKeyAction::SelectAll:
        return m_document.SelectAll();
    case ListKeyAction::CopyAsText:
        // The main window puts the text on the system clipboard, as for its menu entry.
        return platform::SendCommand(window(), framework::ID_EDIT_COPY_AS_TEXT);
    case ListKeyAction::None:
        return;
    default:
        return Extend(ExtendTarget(action));
    }
}

std::optional<int> CStenoViewList::ExtendTarget(strokelist::ListKeyAction action) const
{
    using strokelist::ListKeyAction;
    const int nCurrent = m_document.Current();
    const int nCount = m_document.Count();
    const int nPage = m_layout.nPageRows;
    switch (action) {
    case ListKeyAction::ExtendUp:
        return strokelist::UpTarget(nCurrent);
    case ListKeyAction::ExtendDown:
        return strokelist::DownTarget(nCurrent, nCount);
    case ListKeyAction::ExtendHome:
        return 0;
    case ListKeyAction::ExtendEnd:
        return nCount - 1;
    case ListKeyAction::ExtendPageUp:
        return strokelist::PageMoveTarget(nCurrent, nPage, nCount, false);
    case ListKeyAction::ExtendPageDown:
        return strokelist::PageMoveTarget(nCurrent, nPage, nCount, true);
    default:
        return std::nullopt;
    }
}

void CStenoViewList::MakeCurrent(std::optional<int> nIndex)
{
    if (nIndex)
        m_document.SetCurrentStroke(*nIndex, true);
}

void CStenoViewList::Extend(std::optional<int> nIndex)
{
    if (nIndex)
        m_document.ExtendSelection(*nIndex, true);
}

// Wheel turns over the scroll bar scroll the list by the list's own rule.
bool CStenoViewList::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    if (pWatched != m_pScrollBar || pEvent->type() != QEvent::Wheel)
        return QWidget::eventFilter(pWatched, pEvent);
    Wheel(*static_cast<QWheelEvent*>(pEvent));
    return true;
}

void CStenoViewList::wheelEvent(QWheelEvent* pEvent)
{
    Wheel(*pEvent);
    pEvent->accept();
}

void CStenoViewList::Wheel(const QWheelEvent& event)
{
    HideEditor();
    FocusList();
    const int nLines = m_wheelLines().value_or(kDefaultWheelLines);
    const int nPos = ScrollPos();
    const auto target = strokelist::WheelTarget(event.angleDelta().y(), nLines, nPos, m_nRangeMax);
    if (!target)
        return;
    SetScrollPos(*target);
    if (ScrollPos() != nPos)
        RepaintListArea();
}

// The bar has already moved its slider for the action; the list's rule decides
// where it really goes.
void CStenoViewList::OnScrollAction(int nAction)
{
    HideEditor();
    const int nPos = ScrollPos();
    const auto request = ScrollRequestOf(nAction);
    const auto target =
        request ? strokelist::ScrollBarTarget(*request, nPos, m_nRangeMax, m_layout.nPageRows,
                                              m_pScrollBar->sliderPosition())
                : std::nullopt;
    m_pScrollBar->setSliderPosition(target.value_or(nPos));
    if (target)
        RepaintListArea();
}

int CStenoViewList::RowAt(int y) const
{
    // Before the first layout there are no rows to hit.
    return RowHeight() > 0 ? ScrollPos() + y / RowHeight() : -1;
}

void CStenoViewList::ClickRow(int y, bool bExtend)
{
    if (bExtend)
        m_document.ExtendSelection(RowAt(y), false);
    else
        m_document.SetCurrentStroke(RowAt(y), false);
    FocusList();
}

void CStenoViewList::mousePressEvent(QMouseEvent* pEvent)
{
    if (pEvent->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(pEvent);
    ClickRow(pEvent->position().toPoint().y(), pEvent->modifiers().testFlag(Qt::ShiftModifier));
}

void CStenoViewList::mouseDoubleClickEvent(QMouseEvent* pEvent)
{
    if (pEvent->button() != Qt::LeftButton)
        return QWidget::mouseDoubleClickEvent(pEvent);
    ClickRow(pEvent->position().toPoint().y(), false);
    BeginEdit();
}

// The focus moving into the editor is the edit beginning, not an end of it.
void CStenoViewList::focusOutEvent(QFocusEvent* pEvent)
{
    if (!m_pStrokeEdit->Owns(QApplication::focusWidget()))
        HideEditor();
    QWidget::focusOutEvent(pEvent);
}
