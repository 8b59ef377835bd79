#pragma once
// Small dictionaries written by the tests, strokes written in steno, and the
// standing translations as one line each: "FIRST OUTLINE TEXT" ("?" untranslated).

#include "translation/DictionaryCollection.h"
#include "translation/DocumentTranslation.h"
#include "translation/OutlineNotation.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace translation_test {

using namespace translation;

inline std::shared_ptr<const CDictionaryFile> Json(const std::string& strText)
{
    return CDictionaryFile::Read(strText, "test.json");
}

/// An RTF/CRE dictionary of the entries written as in the file.
inline std::shared_ptr<const CDictionaryFile> Rtf(const std::string& strEntries)
{
    return CDictionaryFile::Read(
        "{\\rtf1\\ansi{\\*\\cxrev100}\\cxdict{\\*\\cxsystem Test}" + strEntries + "}", "test.rtf");
}

/// Strokes separated by spaces in any notation a dictionary may use; "_" is a
/// stroke without keys.
inline std::vector<steno::KeyBits> Strokes(const std::string& strText)
{
    std::vector<steno::KeyBits> keys;
    std::istringstream in(strText);
    for (std::string strStroke; in >> strStroke;) {
        const auto stroke = ParseStroke(strStroke, true);
        EXPECT_TRUE(strStroke == "_" || stroke) << strStroke;
        keys.push_back(stroke.value_or(0));
    }
    return keys;
}

inline std::vector<std::string> Lines(const CDictionaryCollection& dictionaries,
                                      const CStandingList& list, const IStrokeKeys& strokes)
{
    std::vector<std::string> lines;
    std::vector<std::uint32_t> positions;
    for (std::size_t i = 0; i < list.Count(); ++i) {
        const StandingTranslation translation = list.At(i);
        positions.clear();
        list.AppendPositions(i, positions);
        std::vector<steno::KeyBits> outline;
        for (std::uint32_t nPosition : positions)
            outline.push_back(strokes.Keys(nPosition));
        lines.push_back(std::to_string(translation.nFirst) + " " + OutlineText(outline) + " " +
                        (translation.IsTranslated() ? dictionaries.EntryText(translation) : "?"));
    }
    return lines;
}

/// The translation of strokes with the dictionaries, highest priority first.
inline std::vector<std::string>
Translate(std::vector<std::shared_ptr<const CDictionaryFile>> dictionaries,
          const std::string& strStrokes)
{
    CDictionaryCollection collection;
    collection.Assign(std::move(dictionaries));
    const auto keys = Strokes(strStrokes);
    const CKeyList strokes(keys);
    CDocumentTranslation translation(collection);
    translation.TranslateAll(strokes);
    return Lines(collection, translation.Translations(), strokes);
}

} // namespace translation_test
