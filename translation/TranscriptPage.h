#pragma once
// The transcript window's page: the formatted words of the translations around
// the current one, wrapped into lines of the window's width, and scrolled so
// the line of the current translation stands in the upper third. Each run of
// text keeps the translation it came from, for the highlight and for clicks.

#include "platform/core/Geometry.h"
#include "platform/core/TextMeasurer.h"
#include "translation/TranscriptLayout.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace translation {

/// Translations [nFirst, nEnd) that the window formats.
struct TranscriptSpan
{
    std::size_t nFirst = 0;
    std::size_t nEnd = 0;

    friend bool operator==(const TranscriptSpan&, const TranscriptSpan&) = default;
};

/// The translations formatted around translation nFocus of nCount: whole blocks
/// from the block before the focus's, so lines break the same way while the
/// focus moves within a block.
TranscriptSpan TranscriptSpanAround(std::size_t nFocus, std::size_t nCount);

struct TranscriptRun
{
    platform::Rect rc;
    std::wstring strText;
    std::size_t nTranslation = 0;
};

struct TranscriptPage
{
    std::vector<TranscriptRun> runs; ///< only those on the page
    int nLineHeight = 0;

    /// The translation whose text is at the point, if any.
    std::optional<std::size_t> TranslationAt(platform::Point pt) const;
};

/// The page of a client area of size for the text; nFocus is the translation
/// whose line the page shows (the first after it with text, when it has none).
TranscriptPage PlanTranscriptPage(const Transcript& transcript, const platform::TextMeasurer& font,
                                  platform::Size size, std::size_t nFocus);

} // namespace translation
