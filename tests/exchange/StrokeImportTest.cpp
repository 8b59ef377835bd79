// Reading the open steno engine's steno text, paper tapes, stroke logs and
// plover2CAT tapes: what each line gives, which lines are skipped and why, and
// a log that spans two days.
#include "exchange/StrokeImport.h"
#include "base/LocalTime.h"
#include "exchange/PloverSteno.h"
#include "tests/support/FileTestSupport.h"

#include <gtest/gtest.h>

namespace {

using namespace exchange;
using namespace steno;
using test_support::CTempFolder;

constexpr KeyBits kKat = KeyBit(kKeyK) | KeyBit(kKeyA) | KeyBit(kKeyRightT);
constexpr KeyBits kTkpw = KeyBit(kKeyLeftT) | KeyBit(kKeyK) | KeyBit(kKeyLeftP) | KeyBit(kKeyW);
constexpr KeyBits kNumber = KeyBit(kKeyNumberBar);

TEST(PloverSteno, ReadsStenoTextAndPaperColumns)
{
    const struct
    {
        const char* text;
        std::optional<KeyBits> keys;
    } cases[] = {
        {"KAT", kKat},
        {"TKPW-G", kTkpw | KeyBit(kKeyG)},
        {"TS", KeyBit(kKeyLeftT) | KeyBit(kKeyRightS)},
        {"1-9", kNumber | KeyBit(kKeyLeftS) | KeyBit(kKeyRightT)},
        {"56", kNumber | KeyBit(kKeyA) | KeyBit(kKeyF)},
        {"*", KeyBit(kKeyStar)},
        {"   K    A          T   ", kKat},
        {"#       A    F         ", kNumber | KeyBit(kKeyA) | KeyBit(kKeyF)},
        {"TAK", {}},
        {"KAT-S", {}},
        {"", {}},
        {"  X", {}},
        {"    ", {}},
        {"   K    A          T    ", {}}, // 24 columns
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseTapeStroke(c.text), c.keys) << '"' << c.text << '"';
}

struct SourceCase
{
    ImportFormat format;
    std::string strText;
    std::vector<KeyBits> keys;
    std::vector<std::int64_t> times;
    std::vector<std::int64_t> skippedLines;
};

// Each format with a line it cannot read; key values and key times stay 0.
TEST(StrokeImport, ReadsEachFormatAndSkipsLinesItCannotRead)
{
    const CScopedTimeZone zone(kUtcZone);
    const std::int64_t nine = base::MakeLocalTime(2024, 5, 3, 9, 5, 7);
    const std::int64_t untimed = 1234567;
    const SourceCase cases[] = {
        {ImportFormat::StrokeLog,
         "2024-05-03 09:05:07,123 Stroke(KAT : ['K-', 'A-', '-T'])\n"
         "2024-05-03 09:05:07,200 Translation(('KAT',) : cat)\n"
         "2024-05-03 09:05:08,001 *Stroke(* : ['*'])\n"
         "2024-05-03 09:05:09,001 Stroke(KAX : [])\n"
         "\n"
         "Stroke(KAT : ['K-', 'A-', '-T'])\n",
         {kKat, KeyBit(kKeyStar)},
         {nine, nine + 1},
         {4, 6}},
        {ImportFormat::PaperTape,
         "   K    A          T   \nKAT\nK A T\n",
         {kKat, kKat},
         {untimed, untimed},
         {3}},
        {ImportFormat::CatTape,
         "2024-05-03T09:05:07.678||(0,4)|   K    A          T\n"
         "2024-05-03T09:05:08.100\t\t(0,5)\tKAT\n"
         "09:05:09||(0,6)|   K\n",
         {kKat, kKat},
         {nine, nine + 1},
         {3}},
    };
    const CTempFolder folder;
    for (const SourceCase& c : cases) {
        const ImportedStrokes imported =
            ImportStrokes(folder.Write("source", c.strText), c.format, untimed);
        ASSERT_EQ(imported.strokes.size(), c.keys.size()) << c.strText;
        for (std::size_t i = 0; i < c.keys.size(); ++i) {
            CStenoStroke expected;
            expected.m_time = c.times[i];
            expected.m_keys = expected.m_rawKeys = c.keys[i];
            EXPECT_EQ(imported.strokes[i], expected) << c.strText << i;
        }
        std::vector<std::int64_t> skippedLines;
        for (const SkippedLine& skipped : imported.skipped)
            skippedLines.push_back(skipped.nLine);
        EXPECT_EQ(skippedLines, c.skippedLines) << c.strText;
    }
}

TEST(StrokeImport, ALogOfTwoDaysGivesAFileADay)
{
    const CScopedTimeZone zone(kEasternZone);
    const CTempFolder folder;
    const ImportedStrokes imported =
        ImportStrokes(folder.Write("strokes.log", "2024-03-10 23:59:59,900 Stroke(KAT : [])\n"
                                                  "2024-03-11 00:00:00,100 Stroke(S : [])\n"
                                                  "2024-03-11 00:00:01,100 Stroke(T : [])\n"),
                      ImportFormat::StrokeLog, 0);
    const std::vector<StrokeDay> days = SplitByDay(imported.strokes);
    ASSERT_EQ(days.size(), 2u);
    EXPECT_EQ(days[1].strokes.size(), 2u);
    EXPECT_EQ(DayFileName("/x/day.RTF", days[0]), "/x/day-2024-03-10.rtf");
    EXPECT_EQ(DayFileName("day", days[1]), "day-2024-03-11.rtf");
}

} // namespace
