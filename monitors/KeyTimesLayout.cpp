#include "monitors/KeyTimesLayout.h"

#include "monitors/KeyTimeText.h"
#include "steno/StenoEncoder.h"

#include <algorithm>
#include <limits>

namespace monitors {
namespace {

constexpr int kPaddedLetters = 3;
constexpr int kColumnLeft = 1;

struct KeyColumn
{
    int nTotal = 1; ///< the letters' heights and one pixel above them
    int nWidest = 1;
    int nLowest = std::numeric_limits<int>::max();
};

KeyColumn MeasureColumn(const platform::TextMeasurer& font)
{
    KeyColumn column;
    for (wchar_t ch : steno::kLetterKeys) {
        const platform::Size letter = font.TextExtent(std::wstring_view(&ch, 1));
        column.nTotal += letter.cy;
        column.nWidest = std::max(column.nWidest, letter.cx);
        column.nLowest = std::min(column.nLowest, letter.cy);
    }
    return column;
}

} // namespace

KeyTimesLayout ComputeKeyTimesLayout(platform::Size client, MonitorFonts keyFonts,
                                     MonitorFonts timeFonts)
{
    KeyTimesLayout layout;
    const auto columnIn = [&](int i) {
        return MeasureColumn(*keyFonts[static_cast<std::size_t>(i)]);
    };
    layout.nKeyFont = platform::LargestFitting(
        static_cast<int>(keyFonts.size()), [&](int i) { return columnIn(i).nTotal <= client.cy; });
    const KeyColumn column = columnIn(layout.nKeyFont);
    layout.nTimeX = column.nWidest;
    const int nRoom = client.cx - column.nWidest;
    layout.nTimeFont = ChooseLargestFont(timeFonts, kKeyTimeSample, [&](platform::Size time) {
                           return time.cx <= nRoom && time.cy <= column.nLowest;
                       }).nFont;
    return layout;
}

std::vector<MonitorTextStep> PlanKeyTimes(const CStenoStroke& stroke, const KeyTimesLayout& layout,
                                          const platform::TextMeasurer& keyFont,
                                          const platform::TextMeasurer& timeFont)
{
    const std::wstring strDown = StrokeText(stroke, kPaddedLetters);
    std::vector<MonitorTextStep> steps;
    int y = 1;
    for (std::size_t i = 0; i < steno::kLetterKeys.size(); ++i) {
        const std::wstring strLetter(1, steno::kLetterKeys[i]);
        const int hi = keyFont.TextExtent(strLetter).cy;
        const bool bDown = strDown[i] != L' ';
        const int v = stroke.m_keyValues[i];
        if (bDown && ShowsValue(v)) {
            std::wstring strTime = KeyTimeText(stroke.m_keyTimes[i]);
            const int ty = y + (hi - timeFont.TextExtent(strTime).cy) / 2;
            steps.push_back({layout.nTimeX, ty, std::move(strTime), ValueColor(static_cast<int>(i)),
                             MonitorFont::Value});
        }
        steps.push_back({kColumnLeft, y, strLetter, LetterColor(bDown, v)});
        y += hi;
    }
    return steps;
}

} // namespace monitors
