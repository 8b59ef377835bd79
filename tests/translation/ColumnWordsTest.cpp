// What the translation column shows on each row.
#include "tests/translation/TranslationFixture.h"

#include "translation/ColumnWords.h"

using namespace translation_test;

namespace {

ColumnWord Words(const char* pszText)
{
    return {ColumnWordKind::Words, pszText};
}

const ColumnWord kMark{ColumnWordKind::Continuation, ""};
const ColumnWord kNone{};

} // namespace

TEST(ColumnWords, WordsOnFirstStrokesMarksOnTheOthersStenoOfTheUntranslated)
{
    CDictionaryCollection dictionaries;
    dictionaries.Assign({Json(R"({"KAT": "cat", "KAT/HROG": "catalog", "-G": "{^ing}",
        "KPA": "{}{-|}", "TKOG": "dog", "TP-PL": "{.}"})")});
    const auto keys = Strokes("KPA KAT HROG TKOG -G STKPW TKOG * KAT TP-PL KAT");
    const CKeyList strokes(keys);
    CDocumentTranslation translation(dictionaries);
    translation.TranslateAll(strokes);
    const auto column = [&](std::size_t nFirst, std::size_t nEnd) {
        return ColumnWords(dictionaries, translation.Translations(), strokes, nFirst, nEnd);
    };
    // {}{-|} writes nothing and shows its entry; the capital and the attached
    // suffix come out as in the whole text; a taken-back stroke and its * show nothing.
    const std::vector<ColumnWord> all = {Words("{}{-|}"), Words("Catalog"),
                                         kMark,           Words("dog"),
                                         Words("ing"),    {ColumnWordKind::Untranslated, "STKPW"},
                                         kNone,           kNone,
                                         Words("cat"),    Words("."),
                                         Words("Cat")};
    EXPECT_EQ(column(0, keys.size()), all);
    // A part of the rows reads as the same rows of the whole; rows past the end are left out.
    EXPECT_EQ(column(2, 4), (std::vector{kMark, Words("dog")}));
    EXPECT_EQ(column(10, 20), (std::vector{Words("Cat")}));
}

TEST(ColumnWords, WithoutDictionarySaysSoOnceOnTheFirstRowAsked)
{
    const CDictionaryCollection none;
    const auto keys = Strokes("KAT KAT KAT");
    const CKeyList strokes(keys);
    CDocumentTranslation translation(none);
    translation.TranslateAll(strokes);
    EXPECT_EQ(ColumnWords(none, translation.Translations(), strokes, 1, 3),
              (std::vector{ColumnWord{ColumnWordKind::NoDictionary, "no dictionary"}, kNone}));
}
