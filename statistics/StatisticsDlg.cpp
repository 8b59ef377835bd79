#include "statistics/StatisticsDlg.h"

#include "base/BufferedWriter.h"
#include "document/StrokeDocument.h"
#include "framework/CommandIds.h"
#include "framework/SkinIds.h"
#include "framework/xSkinButton.h"
#include "platform/CommandEvent.h"
#include "platform/Desktop.h"
#include "platform/DialogControls.h"
#include "platform/Fonts.h"
#include "statistics/StatisticsCsv.h"
#include "statistics/StatisticsExport.h"
#include "statistics/StatisticsView.h"
#include "statistics/TargetStroke.h"

#include <QBuffer>
#include <QImage>

#include <algorithm>
#include <span>

namespace {

constexpr int kBackgroundBitmap = 188;
// The frame as the monitors': a 40-column right border and its band repeated
// across, the bottom filled with the 5-column slice at W - 45.
constexpr int kRightBorder = 40;
constexpr int kBottomStep = 5;
constexpr int kBottomFromRight = 45;
constexpr QSize kBitmapSize{640, 440};
// Where it opens: this size, or nine tenths of the work area when that is smaller.
constexpr QSize kOpeningSize{1000, 720};
constexpr int kScreenTenths = 9;

// The export buttons on the band under the title, after the bitmap's "Export:".
constexpr QPoint kFirstButton{66, 46};
constexpr int kButtonStep = 79;
constexpr int kButtonTextMargin = 5;
const platform::FontDesc kButtonFont{L"MS Shell Dlg", -11, platform::kWeightNormal, false,
                                     platform::Pitch::Default};

std::optional<std::int64_t> MinuteOfStroke(const doc::CStrokeDocument& document,
                                           statistics::StrokeRange range)
{
    const int nCurrent = document.Current();
    if (nCurrent < range.nFirst || nCurrent >= range.nFirst + range.nCount)
        return std::nullopt;
    return statistics::MinuteOf(document.Stroke(nCurrent).m_time);
}

} // namespace

CStatisticsDlg::CStatisticsDlg(QWidget* pOwner, doc::CStrokeDocument& document,
                               platform::Prompter& prompter, platform::FileDialogs& fileDialogs)
    : CMonitorFrameDlg(pOwner, kBackgroundBitmap, kRightBorder, kBottomStep, kBottomFromRight,
                       kBitmapSize),
      m_document(document), m_prompter(prompter), m_fileDialogs(fileDialogs), m_worker(document)
{
    // The frame runs kIdCancel itself.
    static_assert(kIdExportPicture != framework::kIdCancel &&
                  kIdExportNumbers != framework::kIdCancel);
    setWindowTitle(QStringLiteral("Statistics"));
    m_pView = new CStatisticsView(this);
    AddView(m_pView, QRect(QPoint(3, 82), QPoint(width() - 7, height() - 6)), 0);
    // Unlike a monitor's view, this one is clicked: bars, pauses and rows make strokes current.
    m_pView->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    CreateExportButtons();
    connect(m_pView, &CStatisticsView::TargetClicked, this, &CStatisticsDlg::OnTarget);
    connect(&m_worker, &CStatisticsWorker::Computed, this, &CStatisticsDlg::OnComputed);
    m_document.AddObserver(*this);
    hide();
}

CStatisticsDlg::~CStatisticsDlg()
{
    m_document.RemoveObserver(*this);
}

void CStatisticsDlg::CreateExportButtons()
{
    const std::pair<int, const char*> buttons[] = {{kIdExportPicture, "PNG..."},
                                                   {kIdExportNumbers, "CSV..."}};
    QPoint ptButton = kFirstButton;
    for (const auto& [nID, pszCaption] : buttons) {
        auto* pButton = new CxSkinButton(this);
        platform::SetControlId(pButton, nID);
        pButton->setText(QString::fromLatin1(pszCaption));
        pButton->setFont(platform::MakeFont(kButtonFont));
        pButton->SetSkin(framework::kSkinDialogButton, kButtonTextMargin);
        pButton->setFocusPolicy(Qt::NoFocus);
        // Nothing to export before the first result.
        pButton->setEnabled(false);
        pButton->move(ptButton);
        ptButton.rx() += kButtonStep;
    }
}

void CStatisticsDlg::ShowRange(int nFirst, int nCount)
{
    m_range = statistics::ClampRange({nFirst, nCount}, m_document.Count());
    if (isVisible())
        Restart();
    show();
    raise();
}

void CStatisticsDlg::showEvent(QShowEvent* pEvent)
{
    CMonitorFrameDlg::showEvent(pEvent);
    if (!m_bPlaced) {
        m_bPlaced = true;
        // Never smaller than the frame's bitmap, though it opens larger.
        SetMinTrackSize(kBitmapSize);
        ApplyMinMax(this);
        const platform::Rect rcWork = platform::DesktopWorkArea();
        const QSize size(std::min(kOpeningSize.width(), rcWork.Width() * kScreenTenths / 10),
                         std::min(kOpeningSize.height(), rcWork.Height() * kScreenTenths / 10));
        setGeometry(rcWork.left + (rcWork.Width() - size.width()) / 2,
                    rcWork.top + (rcWork.Height() - size.height()) / 2, size.width(),
                    size.height());
    }
    Restart();
}

void CStatisticsDlg::hideEvent(QHideEvent* pEvent)
{
    // A hidden window counts nothing and keeps no copy of the strokes.
    m_worker.Stop();
    m_pView->SetComputing(false);
    CMonitorFrameDlg::hideEvent(pEvent);
}

void CStatisticsDlg::Restart()
{
    m_worker.Start(m_range);
    m_pView->SetComputing(true);
    ShowCurrentMinute();
}

void CStatisticsDlg::OnStrokesChanged(const doc::StrokesChange& change)
{
    m_range = statistics::FollowChange(m_range, change, m_document.Count());
    if (isVisible())
        Restart();
}

void CStatisticsDlg::OnSelectionChanged(const doc::StrokeRange& /*selection*/)
{
    if (!isVisible())
        return;
    const doc::StrokeRange range = m_document.SelectionOrAll();
    m_range = statistics::ClampRange({range.nFirst, range.Count()}, m_document.Count());
    Restart();
}

void CStatisticsDlg::OnCurrentChanged(const doc::CurrentChange& /*change*/)
{
    ShowCurrentMinute();
}

void CStatisticsDlg::ShowCurrentMinute()
{
    m_pView->SetCurrentMinute(MinuteOfStroke(m_document, m_range));
}

void CStatisticsDlg::OnComputed(std::shared_ptr<const statistics::StrokeStatistics> pStatistics)
{
    const bool bFailed = pStatistics == nullptr;
    // A failure keeps the last statistics for the export; the view says it failed.
    if (!bFailed)
        m_pStatistics = pStatistics;
    m_pView->SetComputing(false);
    m_pView->SetStatistics(pStatistics, bFailed);
    for (const int nID : {kIdExportPicture, kIdExportNumbers})
        platform::FindControl(this, nID)->setEnabled(m_pStatistics != nullptr);
}

void CStatisticsDlg::OnTarget(const statistics::PlotTarget& target)
{
    const statistics::StrokeRange range = statistics::ClampRange(m_range, m_document.Count());
    const std::span<const CStenoStroke> strokes =
        std::span(m_document.Strokes()).subspan(static_cast<std::size_t>(range.nFirst),
                                                static_cast<std::size_t>(range.nCount));
    const int nStroke = statistics::StrokeForTarget(target, strokes, range.nFirst);
    if (nStroke >= 0)
        m_document.SetCurrentStroke(nStroke, true);
}

bool CStatisticsDlg::event(QEvent* pEvent)
{
    const std::optional<int> nID = platform::CommandOf(pEvent);
    if (nID == kIdExportPicture || nID == kIdExportNumbers) {
        Export(*nID == kIdExportPicture ? statistics::ExportKind::Picture
                                        : statistics::ExportKind::Numbers);
        return true;
    }
    return CMonitorFrameDlg::event(pEvent);
}

void CStatisticsDlg::Export(statistics::ExportKind kind)
{
    if (!m_pStatistics)
        return;
    QByteArray png;
    if (kind == statistics::ExportKind::Picture) {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        m_pView->grab().toImage().save(&buffer, "PNG");
    }
    const std::shared_ptr<const statistics::StrokeStatistics> pStatistics = m_pStatistics;
    statistics::ExportWithDialog(
        m_fileDialogs, m_prompter,
        statistics::ExportRequest(kind, m_document.FileName(), platform::DocumentsFolder()),
        [&](base::CBufferedWriter& out) {
            if (kind == statistics::ExportKind::Picture)
                out << std::string_view(png.constData(), static_cast<std::size_t>(png.size()));
            else
                statistics::WriteStatisticsCsv(out, *pStatistics);
        });
}
