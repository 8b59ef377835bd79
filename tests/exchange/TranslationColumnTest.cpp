// The export's translation column: the text of the translation a stroke
// begins, as the transcript reads it, and nothing on every other stroke.
#include "exchange/TranslationColumn.h"
#include "tests/translation/TranslationFixture.h"

#include <gtest/gtest.h>

using namespace translation_test;

TEST(TranslationColumn, TextOnTheFirstStrokeOfEachTranslation)
{
    CDictionaryCollection dictionaries;
    dictionaries.Assign({Json(R"({"KPA": "{}{-|}", "KAT": "cat", "TKPWHR/-FRPB": "gift",
        "-G": "{^ing}", "TKOG": "dog", "TKOG/-S": "dogs", "A/HRO": "a long"})")});
    const auto keys = Strokes("KPA KA-T TKPWHR -FRPB -G TKO-G -S * STPH * _ A HRO PWR");
    const CKeyList strokes(keys);
    CDocumentTranslation translation(dictionaries);
    translation.TranslateAll(strokes);
    const exchange::CTranslationColumn column(dictionaries, translation.Translations(), strokes);

    const std::vector<std::string> expected = {"", "Cat", "gift", "",       "ing", "dog", "", "",
                                               "", "",    "",     "a long", "",    "PWR", ""};
    std::vector<std::string> texts;
    const exchange::TranslationSource source = column.Source();
    for (std::size_t i = 0; i <= keys.size(); ++i)
        texts.push_back(source(i));
    EXPECT_EQ(texts, expected);
}
