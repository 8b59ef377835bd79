// The records the statistics read from a translation: standing translations
// with the words that begin in them, then each one a * took back, its strokes
// found across the gaps other taken-back strokes leave.
#include "statistics/TranslationRecords.h"
#include "tests/translation/TranslationFixture.h"

#include <gtest/gtest.h>

using namespace translation_test;

TEST(TranslationRecords, StandingWordsThenUndoneTranslations)
{
    CDictionaryCollection dictionaries;
    dictionaries.Assign({Json(R"({"KPA": "{}{-|}", "KAT": "caf\u00e9", "TKPWHR/-FRPB": "gift",
        "-G": "{^ing}", "TKOG": "dog", "TKOG/-S": "dogs", "-Z": "{^z}", "A/HRO": "a long"})")});
    std::vector<CStenoStroke> strokes;
    for (steno::KeyBits keys : Strokes("KPA KA-T TKPWHR -FRPB -G TKO-G -Z * -S * STPH * A HRO"))
        strokes.emplace_back().m_keys = keys;

    const auto records = statistics::MakeTranslationRecords(dictionaries, strokes, 10);
    ASSERT_TRUE(records);
    std::vector<std::wstring> lines;
    for (const statistics::TranslationRecord& record : *records)
        lines.push_back(std::to_wstring(record.nFirstStroke) + L" " +
                        std::to_wstring(record.nStrokeCount) + L" " + record.strOutline + L" " +
                        record.strText + (record.bUndone ? L" undone" : L""));
    EXPECT_EQ(lines, (std::vector<std::wstring>{
                         L"10 1 KPA ", L"11 1 KA-T Caf\u00e9", L"12 2 TKPWHR/-FRPB gifting",
                         L"14 1 -G ", L"15 1 TKO-G dog", L"22 2 A/HRO a long", L"16 1 -Z z undone",
                         L"15 2 TKO-G/-S dogs undone", L"20 1 STPH STPH undone"}));

    const std::atomic<bool> stop{true};
    EXPECT_FALSE(statistics::MakeTranslationRecords(dictionaries, strokes, 0, &stop));
}
