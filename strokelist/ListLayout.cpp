#include "strokelist/ListLayout.h"

#include "platform/core/FontChoice.h"

#include <string>

namespace strokelist {
namespace {

int ChooseFont(int nAvailable, platform::FontSizes fonts, bool bTranslation)
{
    const std::wstring sample =
        std::wstring(kLayoutSample) + std::wstring(bTranslation ? kTranslationSample : L"");
    return platform::ChooseLargestFont(
               fonts, sample,
               [nAvailable](platform::Size sample) { return sample.cx <= nAvailable; })
        .nFont;
}

std::array<int, kKeyCellCount> KeyCellOffsets(const platform::TextMeasurer& font)
{
    std::array<int, kKeyCellCount> offsets{};
    int left = 0;
    for (std::size_t j = 0; j < offsets.size(); ++j) {
        offsets[j] = left;
        left += font.TextWidth(kKeyTemplate.substr(j, 1));
    }
    return offsets;
}

} // namespace

platform::FontDesc ListFontDesc(int nFont)
{
    return {L"Arial", -(nFont + 1), platform::kWeightNormal};
}

ListLayout ComputeListLayout(int nAvailable, int nClientHeight,
                             std::span<const platform::TextMeasurer* const> fonts,
                             bool bTranslation)
{
    ListLayout layout;
    if (fonts.empty())
        return layout;
    layout.nFont = ChooseFont(nAvailable, fonts, bTranslation);
    const platform::TextMeasurer& font = *fonts[static_cast<std::size_t>(layout.nFont)];
    const platform::Size sample = font.TextExtent(kLayoutSample);
    const int blank = font.TextWidth(L" ");
    // The translation column takes what is spare.
    int spare =
        nAvailable > sample.cx && blank > 0 && !bTranslation ? (nAvailable - sample.cx) / blank : 0;

    const int rowHeight = sample.cy + 4;
    layout.rcTime = {0, 0, font.TextWidth(kTimeSample), rowHeight};

    // Spare blanks: half (rounded down) before the stroke column, the rest before the raw one.
    int left = layout.rcTime.right + blank;
    if (spare > 1) {
        left += blank * (spare / 2);
        spare -= spare / 2;
    }
    const std::wstring_view keys = kKeyTemplate.substr(0, kKeyTemplate.size() - 1);
    layout.rcStroke = {left, 0, left + font.TextWidth(keys), rowHeight};

    left = layout.rcStroke.right + blank;
    if (spare > 0)
        left += blank * spare;
    layout.rcRaw = {left, 0, left + font.TextWidth(kKeyTemplate), rowHeight};

    layout.cellOffsets = KeyCellOffsets(font);
    if (bTranslation) {
        // Two blanks after the raw column's cells, which may reach past the
        // template measured whole: words read apart from the last key.
        const int cellsRight = layout.rcRaw.left + layout.cellOffsets.back() +
                               font.TextWidth(kKeyTemplate.substr(kKeyTemplate.size() - 1));
        left = std::max(layout.rcRaw.right, cellsRight) + 2 * blank;
        layout.rcTranslation = {left, 0, std::max(left, nAvailable), rowHeight};
    }
    layout.nPageRows = rowHeight > 0 ? nClientHeight / rowHeight : 0;
    return layout;
}

} // namespace strokelist
