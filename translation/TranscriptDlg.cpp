#include "translation/TranscriptDlg.h"

#include "document/StrokeDocument.h"
#include "framework/CommandIds.h"
#include "platform/Desktop.h"
#include "translation/TranscriptView.h"
#include "translation/TranslationModel.h"

namespace {

constexpr int kBackgroundBitmap = 189;
// The frame as the time monitor's: a 40-column right border, the bottom
// filled with the 5-column slice 45 columns left of the right edge.
constexpr int kRightBorder = 40;
constexpr int kBottomStep = 5;
constexpr int kBottomFromRight = 45;
constexpr QSize kCreationSize{480, 300};
constexpr QSize kSmallest{260, 140};
// Away from the lower right corner, as the stroke monitor from the lower left.
constexpr int kScreenMargin = 8;
constexpr int kAboveBottom = 43;

} // namespace

CTranscriptDlg::CTranscriptDlg(QWidget* pOwner, doc::CStrokeDocument& document,
                               translation::CTranslationModel& translation)
    : CMonitorFrameDlg(pOwner, kBackgroundBitmap, kRightBorder, kBottomStep, kBottomFromRight,
                       kCreationSize),
      m_document(document), m_translation(translation),
      m_pView(new CTranscriptView(this, document, translation))
{
    setWindowTitle(QStringLiteral("Transcript"));
    const platform::Rect rcWork = platform::DesktopWorkArea();
    move(rcWork.right - width() - kScreenMargin, rcWork.bottom - height() - kAboveBottom);
    const platform::Size screen = platform::FullScreenClientSize();
    SetMaxTrackSize({screen.cx, screen.cy});
    AddView(m_pView, QRect(QPoint(3, 35), QPoint(width() - 7, height() - 6)),
            framework::IDC_TRANSCRIPT_VIEW);
    // Unlike the monitors' views it takes clicks: a word makes its stroke current.
    m_pView->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    m_document.AddObserver(*this);
    m_translation.AddObserver(*this);
}

CTranscriptDlg::~CTranscriptDlg()
{
    m_translation.RemoveObserver(*this);
    m_document.RemoveObserver(*this);
}

void CTranscriptDlg::ShowRaised()
{
    show();
    raise();
}

void CTranscriptDlg::showEvent(QShowEvent* pEvent)
{
    CMonitorFrameDlg::showEvent(pEvent);
    SetMinTrackSize(kSmallest);
    ApplyMinMax(this);
}

void CTranscriptDlg::OnCurrentChanged(const doc::CurrentChange&)
{
    m_pView->update();
}

void CTranscriptDlg::OnTranslationChanged(const translation::TranslationRows&)
{
    m_pView->update();
}
