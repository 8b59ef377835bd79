#include "monitors/KeyRowLayout.h"

#include "steno/StenoEncoder.h"

#include <algorithm>
#include <limits>

namespace monitors {
namespace {

// The 24 key letters and a closing blank that takes part in the spacing.
constexpr std::wstring_view kKeyRowText = steno::kLetterRow;
constexpr int kKeyRowLength = static_cast<int>(kKeyRowText.size());

// 25 characters and one more gap's worth of room.
constexpr int kGapCount = kKeyRowLength + 1;
constexpr int kPaddedLetters = 3;

int NarrowestPair(const platform::TextMeasurer& font)
{
    int nNarrowest = std::numeric_limits<int>::max();
    for (int i = 0; i + 1 < kKeyRowLength; ++i)
        nNarrowest = std::min(nNarrowest,
                              font.TextWidth(kKeyRowText.substr(static_cast<std::size_t>(i), 2)));
    return nNarrowest;
}

platform::Rect KeyRowRect(platform::Size client, platform::Size row, int nGap)
{
    const int nSpread = (kKeyRowLength * nGap) + row.cx;
    const int left = (client.cx - nSpread) / 2;
    const int top = (client.cy - 3 * row.cy) / 2 + 2 * row.cy;
    return {left, top, left + nSpread, top + row.cy};
}

} // namespace

KeyRowLayout ComputeKeyRowLayout(platform::Size client, MonitorFonts keyFonts,
                                 MonitorFonts numberFonts)
{
    KeyRowLayout layout;
    const FontChoice key = ChooseLargestFont(keyFonts, kKeyRowText, [client](platform::Size row) {
        return row.cx <= client.cx && 3 * row.cy <= client.cy;
    });
    layout.nKeyFont = key.nFont;
    layout.nGap = (client.cx - key.extent.cx) / kGapCount;
    if (!keyFonts.empty()) {
        const double target =
            1.5 * NarrowestPair(*keyFonts[static_cast<std::size_t>(key.nFont)]) + layout.nGap;
        layout.nNumberFont =
            ChooseLargestFont(numberFonts, kNumberSample, [&](platform::Size number) {
                return number.cx <= target && number.cy <= key.extent.cy;
            }).nFont;
    }
    layout.rcKeyRow = KeyRowRect(client, key.extent, layout.nGap);
    return layout;
}

std::vector<MonitorTextStep> PlanKeyRow(const CStenoStroke& stroke, const KeyRowLayout& layout,
                                        const platform::TextMeasurer& keyFont,
                                        const platform::TextMeasurer& numberFont)
{
    const std::wstring strDown = StrokeText(stroke, kPaddedLetters);
    const platform::Rect& rcRow = layout.rcKeyRow;
    const int h = rcRow.Height();
    std::vector<MonitorTextStep> steps;
    int x = 0;
    for (int i = 0; i < kKeyRowLength; ++i) {
        const std::size_t n = static_cast<std::size_t>(i);
        const std::wstring strLetter(1, kKeyRowText[n]);
        const int w = keyFont.TextWidth(strLetter);
        // The closing blank stands for no key: drawn as if down, never with a value.
        const bool bDown = i >= steno::kKeyCount || strDown[n] != L' ';
        const int v = i < steno::kKeyCount ? stroke.m_keyValues[n] : 0;
        if (bDown && ShowsValue(v)) {
            std::wstring strNumber = std::to_wstring(v >> 1);
            const int nx = rcRow.left + x + (w - numberFont.TextWidth(strNumber)) / 2;
            const int ny = rcRow.top - (i % 2 == 0 ? h : (3 * h) / 2);
            steps.push_back({nx, ny, std::move(strNumber), ValueColor(i), MonitorFont::Value});
        }
        steps.push_back({rcRow.left + x, rcRow.top, strLetter, LetterColor(bDown, v)});
        x += w + layout.nGap;
    }
    return steps;
}

} // namespace monitors
