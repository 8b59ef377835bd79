// How strokes become translations: longest outline, undo, priorities, suffix
// folding and the notations, each checked on dictionaries written here.
#include "tests/translation/TranslationFixture.h"

using namespace translation_test;
using Expected = std::vector<std::string>;

namespace {

struct TranslationCase
{
    const char* pName;
    std::string strDictionary;
    std::string strStrokes;
    Expected expected;
};

const std::string kWords = R"({"TKOG": "dog", "TKOG/-S": "dogs", "KAT": "cat", "-S": "{^s}",
    "-Z": "{^z}", "HRO": "lo", "HRO/KATZ": "lokatz", "KATS": "kats", "HRO/KAT": "locate",
    "TKPWHR/-FRPB": "gift", "TKPWHR/-FRPB/-G": "gifting", "A/HRO/TKOG": "a long dog",
    "*/TKOG": "star dog"})";

} // namespace

TEST(Translator, TranslatesAsTheEngineDoes)
{
    const TranslationCase cases[] = {
        {"the longest outline over several strokes",
         kWords,
         "TKPWHR -FRPB -G",
         {"0 TKPWHR/-FRPB/-G gifting"}},
        {"a longer outline replaces translations, untranslated ones too",
         kWords,
         "A HRO TKO-G",
         {"0 A/HRO/TKO-G a long dog"}},
        {"* takes a two-stroke translation back and brings back what it replaced",
         kWords,
         "TKO-G -S *",
         {"0 TKO-G dog"}},
        {"* takes an untranslated stroke back", kWords, "KA-T STPH *", {"0 KA-T cat"}},
        {"a * with nothing to take back stands on its own, not joined, not taken back",
         kWords,
         "KA-T * * TKO-G * *",
         {"2 * ?", "5 * ?"}},
        {"a taken-back stroke leaves a gap in the translation",
         kWords,
         "TKO-G -Z * -S",
         {"0 TKO-G/-S dogs"}},
        {"strokes without keys are passed over", kWords, "TKO-G _ -S", {"0 TKO-G/-S dogs"}},
        {"a suffix key folds off a stroke without an entry",
         kWords,
         "TKO-GZ",
         {"0 TKO-GZ dog {^z}"}},
        {"-Z is folded before -S", kWords, "KA-TSZ", {"0 KA-TSZ kats {^z}"}},
        {"folding looks back over earlier strokes first",
         kWords,
         "HRO KA-TSZ",
         {"0 HRO/KA-TSZ lokatz {^s}"}},
        {"an outline without folding wins over a longer one with it",
         kWords,
         "HRO KA-TS",
         {"0 HRO lo", "1 KA-TS kats"}},
        {"a suffix key without an entry of its own is not folded",
         R"({"KAT": "cat"})",
         "KA-TS",
         {"0 KA-TS ?"}},
        {"an entry =undo takes back, before any longer outline",
         R"({"TKOG": "=Undo", "KAT": "cat", "KAT/TKOG": "x"})",
         "KA-T TKO-G",
         {}},
        {"a * with an entry of its own is text",
         R"({"*": "star", "KAT": "cat"})",
         "KA-T *",
         {"0 KA-T cat", "1 * star"}},
        {"digits are their keys with the number bar",
         R"({"1-9": "19", "#-FBG": "6bg"})",
         "#S-T #-6BG",
         {"0 #1-9 19", "1 #-6BG 6bg"}},
        {"the @ key is not in JSON dictionaries", R"({"KAT": "cat"})", "@KA-T", {"0 @KA-T ?"}},
    };
    for (const TranslationCase& testCase : cases)
        EXPECT_EQ(Translate({Json(testCase.strDictionary)}, testCase.strStrokes), testCase.expected)
            << testCase.pName;
}

TEST(Translator, FirstDictionaryWithANonEmptyTextWins)
{
    const auto high = Json(R"({"KAT": "cat", "TKOG": "", "HRO": "lo"})");
    const auto low = Rtf("{\\*\\cxs KAT}kitty{\\*\\cxs TKOG}dog{\\*\\cxs @KAT}at cat"
                         "{\\*\\cxs HRO}=undo");
    EXPECT_EQ(Translate({high, low}, "KA-T TKO-G @KA-T HRO"),
              (Expected{"0 KA-T cat", "1 TKO-G dog", "2 @KA-T at cat", "3 HRO lo"}));
}

TEST(Translator, UndoReachesBackOverTheLastHundredStrokes)
{
    // Fifty three-stroke translations: undo takes back the last 34 (102
    // strokes, three * each); the * after those stands.
    std::string strStrokes;
    for (int i = 0; i < 150; ++i)
        strStrokes += "KA-T ";
    for (int i = 0; i < 103; ++i)
        strStrokes += "* ";
    const Expected lines =
        Translate({Json(R"({"KAT": "cat", "KAT/KAT/KAT": "cats"})")}, strStrokes);
    ASSERT_EQ(lines.size(), 17u);
    EXPECT_EQ(lines[15], "45 KA-T/KA-T/KA-T cats");
    EXPECT_EQ(lines[16], "252 * ?");
}
