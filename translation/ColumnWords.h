#pragma once
// What the stroke list's translation column shows on each row: a translation's
// words on the row of its first stroke, a continuation mark on its other
// strokes, an untranslated stroke's steno, nothing on a stroke a * took back
// (or on the * itself), and "no dictionary" once, on the top row, when no
// dictionary is in use.

#include "translation/DictionaryCollection.h"
#include "translation/StandingList.h"
#include "translation/StrokeKeys.h"

#include <string>
#include <vector>

namespace translation {

enum class ColumnWordKind { None, Words, Continuation, Untranslated, NoDictionary };

struct ColumnWord
{
    ColumnWordKind kind = ColumnWordKind::None;
    std::string strText; ///< UTF-8: the words, or the untranslated stroke's steno

    friend bool operator==(const ColumnWord&, const ColumnWord&) = default;
};

/// The column of rows [nFirst, nEnd). A translation's words are laid out as in
/// the whole transcript (capitals, attached suffixes and punctuation); one that
/// writes nothing ({-|}, {^}) shows its entry as its dictionary writes it.
std::vector<ColumnWord> ColumnWords(const CDictionaryCollection& dictionaries,
                                    const CStandingList& list, const IStrokeKeys& strokes,
                                    std::size_t nFirst, std::size_t nEnd);

} // namespace translation
