#pragma once
// The translation records the statistics read, made by translating strokes with
// dictionaries: every translation that stands and every one a `*` took back.

#include "statistics/TranslationRecord.h"
#include "steno/StenoStroke.h"
#include "translation/DictionaryCollection.h"

#include <atomic>
#include <optional>
#include <span>
#include <vector>

namespace statistics {

/// Translates the strokes from the first of them (nFirstIndex is its document
/// index) and gives the standing translations in stroke order, then the undone
/// ones in the order they were taken back. A standing record's text is the
/// words of the transcript that begin in it, so each word counts once: a suffix
/// that attaches to the word before hands its letters to that word ("gift" and
/// "{^ing}" give "gifting" and ""). An undone record's text is its translation
/// formatted on its own. None when *pCancel turned true on the way.
std::optional<std::vector<TranslationRecord>>
MakeTranslationRecords(const translation::CDictionaryCollection& dictionaries,
                       std::span<const CStenoStroke> strokes, int nFirstIndex,
                       const std::atomic<bool>* pCancel = nullptr);

} // namespace statistics
