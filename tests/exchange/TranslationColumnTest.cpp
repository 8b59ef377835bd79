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
    CDocumentTranslation translation(dictionaries);
    translation.TranslateAll(CKeyList(keys));
    const exchange::CTranslationColumn column(dictionaries, translation.Translations(),
                                              CKeyList(keys));
    std::vector<std::string> texts;
    for (std::size_t i = 0; i <= keys.size(); ++i)
        texts.push_back(column.Source()(i));
    EXPECT_EQ(texts, (std::vector<std::string>{"", "Cat", "gift", "", "ing", "dog", "", "", "", "",
                                               "", "a long", "", "PWR", ""}));
}
