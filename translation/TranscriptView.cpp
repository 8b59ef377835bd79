#include "translation/TranscriptView.h"

#include "document/StrokeDocument.h"
#include "platform/Drawing.h"
#include "platform/Fonts.h"
#include "translation/TranslationInks.h"
#include "translation/TranslationModel.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int kTextHeight = -16;
/// The skin's teal accent, under the current translation's white letters.
constexpr platform::ColorRef kCurrentFill = platform::Rgb(0x2C, 0x8C, 0x86);

} // namespace

CTranscriptView::CTranscriptView(QWidget* pParent, doc::CStrokeDocument& document,
                                 const translation::CTranslationModel& translation)
    : QWidget(pParent), m_document(document), m_translation(translation),
      m_font(platform::MakeFont({L"Arial", kTextHeight, platform::kWeightNormal}))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

// The current stroke's translation; for a stroke a * took back (or the *), the
// next translation after it, shown without a highlight.
CTranscriptView::Focus CTranscriptView::CurrentFocus() const
{
    const int nCurrent = m_document.Current();
    if (nCurrent == -1)
        return {};
    const translation::CStandingList& list = m_translation.Translations();
    if (const auto cover = list.CoverOf(static_cast<std::uint32_t>(nCurrent)))
        return {cover->nTranslation, true};
    return {list.FirstFrom(static_cast<std::uint32_t>(nCurrent)), false};
}

void CTranscriptView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    platform::FillSolidRect(painter, platform::FromQRect(rect()), platform::kWhite);
    platform::SetBkMode(painter, platform::BkMode::Transparent);
    const Focus focus = CurrentFocus();
    const translation::TranscriptSpan span =
        translation::TranscriptSpanAround(focus.nTranslation, m_translation.Translations().Count());
    m_page = translation::PlanTranscriptPage(m_translation.Text(span.nFirst, span.nEnd), m_font,
                                             {width(), height()}, focus.nTranslation);
    painter.setFont(m_font.Font());
    for (const translation::TranscriptRun& run : m_page.runs)
        PaintRun(painter, run, focus.bCurrent && run.nTranslation == focus.nTranslation);
}

void CTranscriptView::PaintRun(QPainter& painter, const translation::TranscriptRun& run,
                               bool bCurrent) const
{
    platform::ColorRef ink = platform::kBlack;
    if (bCurrent) {
        platform::FillSolidRect(painter, run.rc, kCurrentFill);
        ink = platform::kWhite;
    } else if (!m_translation.Translations().At(run.nTranslation).IsTranslated()) {
        ink = translation::kUntranslatedInk;
    }
    platform::SetTextColor(painter, ink);
    platform::TextOut(painter, run.rc.left, run.rc.top + 1, run.strText);
}

void CTranscriptView::mousePressEvent(QMouseEvent* pEvent)
{
    const QPoint pt = pEvent->position().toPoint();
    const auto nTranslation = m_page.TranslationAt({pt.x(), pt.y()});
    // A change since the last paint may have left the page behind.
    if (pEvent->button() != Qt::LeftButton || !nTranslation ||
        *nTranslation >= m_translation.Translations().Count())
        return QWidget::mousePressEvent(pEvent);
    m_document.SetCurrentStroke(
        static_cast<int>(m_translation.Translations().At(*nTranslation).nFirst), true);
}
