#include "translation/TranscriptPage.h"

#include "base/FilePath.h"

#include <algorithm>
#include <filesystem>

namespace translation {

namespace {

constexpr std::size_t kBlock = 256;
constexpr std::size_t kBlocksShown = 4;
constexpr int kMargin = 6;
constexpr int kLineGap = 2;

std::wstring Wide(std::string_view text)
{
    // File names are UTF-8 too: the same decoding, with the same escapes.
    return base::WideFromPath(std::filesystem::path(text));
}

/// A run laid out on its line, before the page picks its lines.
struct LineRun
{
    int nLine = 0;
    int x = 0;
    int nWidth = 0;
    std::size_t nPiece = 0;
};

/// Pieces [nFirst, result) follow each other without a space, so they break as one.
std::size_t GluedEnd(const std::vector<Transcript::Piece>& pieces, std::size_t nFirst)
{
    std::size_t nEnd = nFirst + 1;
    while (nEnd < pieces.size() && pieces[nEnd].nBegin == pieces[nEnd - 1].nEnd)
        ++nEnd;
    return nEnd;
}

class CLineBreaker
{
public:
    CLineBreaker(const Transcript& transcript, const platform::TextMeasurer& font, int nWidth)
        : m_transcript(transcript), m_font(font), m_nWidth(nWidth), m_nSpace(font.TextWidth(L" "))
    {
    }

    std::vector<LineRun> Lay()
    {
        const auto& pieces = m_transcript.pieces;
        std::size_t nTextEnd = 0;
        for (std::size_t i = 0; i < pieces.size();) {
            const std::size_t nEnd = GluedEnd(pieces, i);
            const std::string_view gap = std::string_view(m_transcript.strText)
                                             .substr(nTextEnd, pieces[i].nBegin - nTextEnd);
            PlaceUnit(i, nEnd, gap);
            nTextEnd = pieces[nEnd - 1].nEnd;
            i = nEnd;
        }
        return std::move(m_runs);
    }

private:
    void PlaceUnit(std::size_t nFirst, std::size_t nEnd, std::string_view gap)
    {
        std::vector<int> widths;
        int nUnit = 0;
        for (std::size_t i = nFirst; i < nEnd; ++i) {
            const auto& piece = m_transcript.pieces[i];
            widths.push_back(
                m_font.TextWidth(Wide(std::string_view(m_transcript.strText)
                                          .substr(piece.nBegin, piece.nEnd - piece.nBegin))));
            nUnit += widths.back();
        }
        const auto nBreaks = std::count(gap.begin(), gap.end(), '\n');
        const int nSpace = gap.find(' ') != std::string_view::npos ? m_nSpace : 0;
        if (nBreaks > 0 && !m_runs.empty()) {
            m_nLine += static_cast<int>(nBreaks);
            m_x = 0;
        } else if (m_x > 0 && m_x + nSpace + nUnit > m_nWidth) {
            ++m_nLine;
            m_x = 0;
        } else if (m_x > 0) {
            m_x += nSpace;
        }
        for (std::size_t i = nFirst; i < nEnd; ++i) {
            const int nPieceWidth = widths[i - nFirst];
            m_runs.push_back({m_nLine, m_x, nPieceWidth, i});
            m_x += nPieceWidth;
        }
    }

    const Transcript& m_transcript;
    const platform::TextMeasurer& m_font;
    int m_nWidth;
    int m_nSpace;
    int m_nLine = 0;
    int m_x = 0;
    std::vector<LineRun> m_runs;
};

/// The line of the first run of nFocus or a later translation; the last line
/// when none follows.
int FocusLine(const std::vector<LineRun>& runs, const Transcript& transcript, std::size_t nFocus)
{
    const auto found = std::find_if(runs.begin(), runs.end(), [&](const LineRun& run) {
        return transcript.pieces[run.nPiece].nTranslation >= nFocus;
    });
    if (found != runs.end())
        return found->nLine;
    return runs.empty() ? 0 : runs.back().nLine;
}

} // namespace

TranscriptSpan TranscriptSpanAround(std::size_t nFocus, std::size_t nCount)
{
    const std::size_t nBlock = nFocus / kBlock;
    const std::size_t nFirst = nBlock > 0 ? (nBlock - 1) * kBlock : 0;
    return {std::min(nFirst, nCount), std::min(nFirst + kBlocksShown * kBlock, nCount)};
}

std::optional<std::size_t> TranscriptPage::TranslationAt(platform::Point pt) const
{
    for (const TranscriptRun& run : runs) {
        if (pt.x >= run.rc.left && pt.x < run.rc.right && pt.y >= run.rc.top &&
            pt.y < run.rc.bottom)
            return run.nTranslation;
    }
    return std::nullopt;
}

TranscriptPage PlanTranscriptPage(const Transcript& transcript, const platform::TextMeasurer& font,
                                  platform::Size size, std::size_t nFocus)
{
    TranscriptPage page;
    page.nLineHeight = font.TextExtent(L"Ag").cy + kLineGap;
    const std::vector<LineRun> runs = CLineBreaker(transcript, font, size.cx - 2 * kMargin).Lay();
    const int nVisible = std::max(1, (size.cy - kMargin) / std::max(page.nLineHeight, 1));
    const int nTop = std::max(0, FocusLine(runs, transcript, nFocus) - nVisible / 3);
    for (const LineRun& run : runs) {
        if (run.nLine < nTop || run.nLine >= nTop + nVisible)
            continue;
        const Transcript::Piece& piece = transcript.pieces[run.nPiece];
        const int y = kMargin + (run.nLine - nTop) * page.nLineHeight;
        page.runs.push_back(
            {{kMargin + run.x, y, kMargin + run.x + run.nWidth, y + page.nLineHeight},
             Wide(std::string_view(transcript.strText)
                      .substr(piece.nBegin, piece.nEnd - piece.nBegin)),
             piece.nTranslation});
    }
    return page;
}

} // namespace translation
