#include "rtfcre/RTFCREReader.h"
#include "base/LocalTime.h"
#include "tests/support/FileTestSupport.h"

#include <gtest/gtest.h>

using namespace rtfcre;
using namespace base;

namespace {

constexpr const char* kSystemLine = "{\\*\\cxsystem {\\i Corvane writer} Ardentide Inc}\n";
constexpr const char* kCreationLine = "{\\creatim\\yr2024\\mo5\\da3}\n";

std::string Header()
{
    return test_support::HeaderText();
}

/// A stroke's first three groups on one line: with the raw group present the
/// time group on the same line is found.
std::string Groups(const std::string& strSteno, const std::string& strTime)
{
    return "{\\*\\cxs " + strSteno + "}{\\*\\cxsf " + strSteno + "}{\\*\\cxt " + strTime + "}";
}

struct ReadStrokeResult
{
    std::wstring strSteno;
    std::wstring strRaw;
    std::int64_t time = 0;
    KeyValues values{};
    KeyTimes times{};
};

/// Reads the next stroke into the result.
bool Next(CRTFCREReader& reader, ReadStrokeResult& stroke)
{
    return reader.ReadStroke(stroke.strSteno, stroke.strRaw, stroke.time, stroke.values,
                             stroke.times);
}

/// steno|raw|time of day|first two values|first pair
std::wstring Summary(const ReadStrokeResult& stroke)
{
    return stroke.strSteno + L"|" + stroke.strRaw + L"|" +
           FormatLocalTime(stroke.time, "%H:%M:%S") + L"|" + std::to_wstring(stroke.values[0]) +
           L" " + std::to_wstring(stroke.values[1]) + L"|" + std::to_wstring(stroke.times[0].nLow) +
           L"," + std::to_wstring(stroke.times[0].nHigh);
}

class RTFCREReaderTest : public ::testing::Test
{
protected:
    /// Reads every stroke after the header of a file holding content.
    std::vector<ReadStrokeResult> ReadAll(const std::string& content)
    {
        CRTFCREReader reader(m_dir.Write("strokes.rtf", content));
        reader.ReadHeader(m_strName, m_strText);
        std::vector<ReadStrokeResult> strokes;
        ReadStrokeResult stroke;
        while (Next(reader, stroke))
            strokes.push_back(stroke);
        return strokes;
    }

    test_support::CTempFolder m_dir;
    CScopedTimeZone m_zone{kUtcZone};
    std::wstring m_strName, m_strText;
    ReadStrokeResult m_stroke;
};

} // namespace

// The writer's own form is read back by the writer's round-trip test.

// Header lines in any order and with odd edges; without both lines the
// header search consumes the file.
TEST_F(RTFCREReaderTest, HeaderLines)
{
    struct Row
    {
        std::string content;
        bool bFound;
        const wchar_t* name;
        const wchar_t* text;
        int nYear, nMonth, nDay;
    };
    const std::string strCreation = kCreationLine;
    const Row rows[] = {
        {std::string(kSystemLine) + kCreationLine, true, L"Corvane writer", L"Ardentide Inc", 2024,
         5, 3},
        {"junk\n" + strCreation + "more\n" + kSystemLine, true, L"Corvane writer", L"Ardentide Inc",
         2024, 5, 3},
        {"{\\*\\cxsystem {\\i Name}}\n" + strCreation, true, L"Name", L"", 2024, 5, 3},
        {"{\\*\\cxsystem {\\i Name\n" + strCreation, true, L"Name", L"", 2024, 5, 3},
        {"{\\*\\cxsystem {\\i Caf\xE9\x80} T}\r\n" + strCreation, true, L"Caf\u00E9\u20AC", L"T",
         2024, 5, 3},
        {std::string(kSystemLine) + "{\\creatim\\yr 2023x\\mo+7\\da09}\n", true, L"Corvane writer",
         L"Ardentide Inc", 2023, 7, 9},
        {kSystemLine, false, L"", L"", 0, 0, 0},
        {"", false, L"", L"", 0, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.content);
        CRTFCREReader reader(
            m_dir.Write("header.rtf", row.content + "{\\*\\cxs S}{\\*\\cxt 1:2:3:0}\n"));
        m_strName = m_strText = L"";
        EXPECT_EQ(reader.ReadHeader(m_strName, m_strText), row.bFound);
        if (row.bFound) {
            EXPECT_EQ(m_strName, row.name);
            EXPECT_EQ(m_strText, row.text);
            EXPECT_EQ(reader.Year() * 10000 + reader.Month() * 100 + reader.Day(),
                      row.nYear * 10000 + row.nMonth * 100 + row.nDay);
        } else {
            EXPECT_FALSE(Next(reader, m_stroke));
        }
    }
}

// Odd layouts, each stroke read summed up as steno|raw|time|first two values|first pair.
TEST_F(RTFCREReaderTest, OddLayouts)
{
    const std::string strFirst = Groups("A", "1:0:0:0") + "{\\*\\cxsp 1}{\\*\\cxspt 1,1}\n";
    const std::string strJunk(700 * 1024, 'x'); // longer than a read block
    struct Case
    {
        const char* what;
        std::string strContent;
        std::vector<std::wstring> expected;
    };
    const Case cases[] = {
        {"a stroke on the header line is not read",
         std::string(kSystemLine) + "{\\creatim\\yr2024\\mo5\\da3}" + Groups("A", "1:0:0:0") +
             "\n" + Groups("B", "2:0:0:0") + "\n",
         {L"B|B|02:00:00|0 0|0,0"}},
        {"groups may share one line",
         Header() + "{\\*\\cxs A}{\\*\\cxsf -Z}{\\*\\cxt 1:2:3:0}{\\*\\cxsp 4 5}{\\*\\cxspt 6,7}"
                    "{\\*\\cxs B}{\\*\\cxsf B}{\\*\\cxt 2:0:0:0}{\\*\\cxsp 8}{\\*\\cxspt 9,10}\n",
         {L"A|-Z|01:02:03|4 5|6,7", L"B|B|02:00:00|8 0|9,10"}},
        // The time group on the stroke's own line is never seen: the search for
        // the raw group read the next line.
        {"an absent raw group makes the lookahead replace the line",
         Header() + "{\\*\\cxs STKPW}{\\*\\cxt 10:11:12:0}\n{\\*\\cxt 1:2:3:0}\n{\\*\\cxsp 1}\n",
         {L"STKPW|STKPW|01:02:03|1 0|0,0"}},
        {"a time group two lines down is still found",
         Header() + "{\\*\\cxs S}{\\*\\cxt 10:11:12:0}\nnothing\n{\\*\\cxt 4:5:6:0}\n",
         {L"S|S|04:05:06|0 0|0,0"}},
        // A lacks both key groups: their lookaheads read B's line and then C's, so
        // B is passed over and C is read.
        {"the lookahead line is where the next stroke is searched",
         Header() + Groups("A", "1:0:0:0") + "\n" + Groups("B", "2:0:0:0") + "\n" +
             Groups("C", "3:0:0:0") + "\n",
         {L"A|A|01:00:00|0 0|0,0", L"C|C|03:00:00|0 0|0,0"}},
        {"carriage returns before line feeds are dropped",
         "{\\*\\cxsystem {\\i N} T}\r\n{\\creatim\\yr2024\\mo5\\da3}\r\n"
         "{\\*\\cxs A\rB\r\n{\\*\\cxsf X\r\r\n{\\*\\cxt 1:2:3:0}\r\n",
         {L"A\rB|X\r|01:02:03|0 0|0,0"}},
        {"byte 1A ends the file",
         Header() + strFirst + Groups("B", "2:0:0:0") + "\x1A\n" + Groups("C", "3:0:0:0") + "\n",
         {L"A|A|01:00:00|1 0|1,1", L"B|B|02:00:00|0 0|0,0"}},
        {"an unterminated last line is read",
         Header() + "{\\*\\cxs A}{\\*\\cxsf B}{\\*\\cxt 1:2:3:0}{\\*\\cxsp 4}",
         {L"A|B|01:02:03|4 0|0,0"}},
        {"lines longer than a read block",
         Header() + strJunk + Groups("A", "1:0:0:0") + "{\\*\\cxsp 1}{\\*\\cxspt 1}" + strJunk +
             "\r\n" + strJunk + Groups("B", "2:0:0:0") + "\n",
         {L"A|A|01:00:00|1 0|1,0", L"B|B|02:00:00|0 0|0,0"}},
        // Time fields follow the colons: the text after a missing colon is all that is left.
        {"time 10:11", Header() + Groups("A", "10:11") + "\n", {L"A|A|10:11:11|0 0|0,0"}},
        {"time ' 9: +5:07x'",
         Header() + Groups("A", " 9: +5:07x") + "\n",
         {L"A|A|09:05:07|0 0|0,0"}},
        {"key groups are cleared between strokes",
         Header() + Groups("A", "1:0:0:0") + "{\\*\\cxsp 9 9}{\\*\\cxspt 9,9}\n" +
             Groups("B", "1:0:0:0") + "\n\n\n",
         {L"A|A|01:00:00|9 9|9,9", L"B|B|01:00:00|0 0|0,0"}},
        {"a last stroke without key groups is returned",
         Header() + "{\\*\\cxs A}\n{\\*\\cxsf A}\n{\\*\\cxt 1:0:0:0}\n}\r\n",
         {L"A|A|01:00:00|0 0|0,0"}},
    };
    for (const Case& c : cases) {
        std::vector<std::wstring> read;
        for (const ReadStrokeResult& stroke : ReadAll(c.strContent))
            read.push_back(Summary(stroke));
        EXPECT_EQ(read, c.expected) << c.what;
    }
}

// Failures are read through the loading flow, which reports them.

TEST_F(RTFCREReaderTest, ValueTokens)
{
    const auto strokes = ReadAll(Header() + Groups("A", "1:0:0:0") +
                                 "{\\*\\cxsp   65536  -1 70000 +4 x 12z\t3 0 1 2 3 4 5 "
                                 "6 7 8 9 10 11 12 13 14 15 16 17 18 19 99}\n" +
                                 Groups("B", "1:0:0:0") + "\n{\\*\\cxsp 5 6}\n");
    ASSERT_EQ(strokes.size(), 2u);
    const KeyValues expected = {0, 65535, 4464, 0, 0,  12, 0,  1,  2,  3,  4,  5,
                                6, 7,     8,    9, 10, 11, 12, 13, 14, 15, 16, 17};
    EXPECT_EQ(strokes[0].values, expected); // the 25th and 26th tokens are ignored
    EXPECT_EQ(strokes[1].values[1], 6);
    EXPECT_EQ(strokes[1].values[2], 0); // fewer than 24 leave the rest 0
}

TEST_F(RTFCREReaderTest, PairTokens)
{
    std::string pairs = "5, ,5 1,,2 ,,, 3,4,5 -2147483648,4294967295 7";
    for (int i = 0; i < 20; ++i)
        pairs += " 1,1";
    const auto strokes =
        ReadAll(Header() + Groups("A", "1:0:0:0") + "{\\*\\cxsp 0}{\\*\\cxspt  " + pairs + "}\n");
    ASSERT_EQ(strokes.size(), 1u);
    const KeyTime expected[] = {{5, 0}, {5, 0}, {1, 2}, {0, 0}, {3, 4}, {-2147483647 - 1, -1},
                                {7, 0}};
    for (std::size_t i = 0; i < std::size(expected); ++i)
        EXPECT_EQ(strokes[0].times[i], expected[i]) << i;
    EXPECT_EQ(strokes[0].times[23], (KeyTime{1, 1}));
}
