#pragma once
// One stroke as the reader finds it: its time, read at once because a bad time
// ends the file there, and the texts of its other groups, turned into a record
// later and on any thread.

#include "base/NumberList.h"
#include "steno/StenoStroke.h"

#include <cstdint>
#include <string_view>

/// Each text has base::kNumberListMargin readable bytes before and after it.
struct StrokeTexts
{
    std::string_view steno;  ///< the stroke group's text
    std::string_view raw;    ///< the raw stroke group's text; the stroke group's when absent
    std::string_view values; ///< the key value group's text; empty when absent
    std::string_view pairs;  ///< the key time group's text; empty when absent
    std::int64_t time = 0;
};

/// The record of the texts. Raw keys are the keys when the raw text is empty
/// or the same; key values and times absent from the texts are 0.
void ParseStrokeTexts(const StrokeTexts& texts, CStenoStroke& stroke);

// Both key group readers take a text with the margins of StrokeTexts.

/// Up to 24 blank-separated tokens, each read as StrToIntW and cut to 16 bits;
/// values after the last token are left as they are. The writer's own form
/// (24 numbers, one blank between two) is read a line at a time.
void ParseKeyValues(std::string_view text, KeyValues& keyValues);

/// Up to 24 blank-separated tokens, each split at runs of commas into a low
/// and a high part read as StrToIntW; further parts are skipped, and pairs
/// after the last token are left as they are. The writer's own form (24
/// pairs, one comma within and one blank between) is read a line at a time.
void ParseKeyTimes(std::string_view text, KeyTimes& keyTimes);
