#include "rtfcre/RTFCREReader.h"
#include "rtfcre/LocalTime.h"
#include "tests/support/FileTestSupport.h"

#include <gtest/gtest.h>

using namespace rtfcre;

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

    CTempDirectory m_dir;
    CScopedTimeZone m_zone{kUtcZone};
    std::wstring m_strName, m_strText;
    ReadStrokeResult m_stroke;
};

} // namespace

// The writer's own form is read back by the writer's round-trip test.

TEST_F(RTFCREReaderTest, HeaderIsFoundInEitherOrder)
{
    for (const std::string& content :
         {std::string(kSystemLine) + kCreationLine,
          std::string("junk\n") + kCreationLine + "more\n" + kSystemLine}) {
        CRTFCREReader reader(
            m_dir.Write("header.rtf", content + "{\\*\\cxs S}{\\*\\cxt 1:2:3:0}\n"));
        ASSERT_TRUE(reader.ReadHeader(m_strName, m_strText));
        EXPECT_EQ(m_strName, L"Corvane writer");
        EXPECT_EQ(m_strText, L"Ardentide Inc");
        EXPECT_EQ(reader.Year(), 2024);
        EXPECT_EQ(reader.Month(), 5);
        EXPECT_EQ(reader.Day(), 3);
    }
}

TEST_F(RTFCREReaderTest, HeaderWithoutOneLineConsumesTheFile)
{
    for (const char* line : {kSystemLine, kCreationLine}) {
        CRTFCREReader reader(
            m_dir.Write("half.rtf", std::string(line) + "{\\*\\cxs S}{\\*\\cxt 1:2:3:0}\n"));
        EXPECT_FALSE(reader.ReadHeader(m_strName, m_strText));
        EXPECT_EQ(reader.HasSystemLine(), line == kSystemLine);
        EXPECT_EQ(reader.HasCreationLine(), line == kCreationLine);
        EXPECT_FALSE(Next(reader, m_stroke));
    }
}

TEST_F(RTFCREReaderTest, EmptyAndMissingFilesHoldNothing)
{
    for (const auto& path : {m_dir.Write("empty.rtf", ""), m_dir.Path("missing.rtf")}) {
        CRTFCREReader reader(path);
        EXPECT_FALSE(reader.ReadHeader(m_strName, m_strText));
        EXPECT_FALSE(Next(reader, m_stroke));
    }
    EXPECT_FALSE(CRTFCREReader(m_dir.Path("missing.rtf")).IsOpen());
}

TEST_F(RTFCREReaderTest, SystemLineEdges)
{
    struct Row
    {
        const char* line;
        const wchar_t* name;
        const wchar_t* text;
    };
    const Row rows[] = {
        {"{\\*\\cxsystem {\\i Name}}", L"Name", L""},
        {"{\\*\\cxsystem {\\i Name} }", L"Name", L""},
        {"{\\*\\cxsystem {\\i Name} X}", L"Name", L"X"},
        {"{\\*\\cxsystem {\\i Name", L"Name", L""},
        {"{\\*\\cxsystem {\\i Caf\xE9\x80} T}\r", L"Caf\u00E9\u20AC", L"T"},
    };
    for (const Row& row : rows) {
        CRTFCREReader reader(
            m_dir.Write("system.rtf", std::string(row.line) + "\n" + kCreationLine));
        EXPECT_TRUE(reader.ReadHeader(m_strName, m_strText)) << row.line;
        EXPECT_EQ(m_strName, row.name) << row.line;
        EXPECT_EQ(m_strText, row.text) << row.line;
    }
}

TEST_F(RTFCREReaderTest, CreationLineReadsNumbersAsAtoi)
{
    CRTFCREReader reader(
        m_dir.Write("date.rtf", std::string(kSystemLine) + "{\\creatim\\yr 2023x\\mo+7\\da09}\n"));
    ASSERT_TRUE(reader.ReadHeader(m_strName, m_strText));
    EXPECT_EQ(reader.Year(), 2023);
    EXPECT_EQ(reader.Month(), 7);
    EXPECT_EQ(reader.Day(), 9);
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
        {"time 10:11:12:99",
         Header() + Groups("A", "10:11:12:99") + "\n",
         {L"A|A|10:11:12|0 0|0,0"}},
        {"time 10:11", Header() + Groups("A", "10:11") + "\n", {L"A|A|10:11:11|0 0|0,0"}},
        {"time ' 9: +5:07x'",
         Header() + Groups("A", " 9: +5:07x") + "\n",
         {L"A|A|09:05:07|0 0|0,0"}},
        {"time 7", Header() + Groups("A", "7") + "\n", {L"A|A|07:07:07|0 0|0,0"}},
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

TEST_F(RTFCREReaderTest, StrokeWithoutTimeGroupThrows)
{
    CRTFCREReader reader(m_dir.Write(
        "notime.rtf", Header() + Groups("A", "1:0:0:0") + "{\\*\\cxsp 1}{\\*\\cxspt 1,1}\n" +
                          "{\\*\\cxs S}{\\*\\cxt 10:11:12:0}\nx\ny\n"));
    reader.ReadHeader(m_strName, m_strText);
    ASSERT_TRUE(Next(reader, m_stroke));
    EXPECT_THROW(Next(reader, m_stroke), CRTFCREReader::CRTFCREReaderException);
    EXPECT_EQ(reader.StrokeLineNumber(), 9);
}

TEST_F(RTFCREReaderTest, TimeFieldsOutOfRangeFail)
{
    struct Row
    {
        std::string content;
        std::uint32_t nCode;
    };
    const Row rows[] = {
        {Header() + Groups("A", "24:0:0:0"), E_FAIL_CODE},
        {Header() + Groups("A", "0:60:0:0"), E_FAIL_CODE},
        {Header() + Groups("A", "0:0:-1:0"), E_FAIL_CODE},
        {std::string(kSystemLine) + "{\\creatim\\yr2024\\mo13\\da1}\n" + Groups("A", "0:0:0:0"),
         E_FAIL_CODE},
        {std::string(kSystemLine) + "{\\creatim\\yr3001\\mo1\\da1}\n" + Groups("A", "0:0:0:0"),
         E_INVALIDARG_CODE},
    };
    for (const Row& row : rows) {
        try {
            ReadAll(row.content);
            ADD_FAILURE() << row.content;
        } catch (const CStatusException& error) {
            EXPECT_EQ(error.Code(), row.nCode) << row.content;
        }
    }
}

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
    const auto& times = strokes[0].times;
    EXPECT_EQ(times[0], (KeyTime{5, 0}));
    EXPECT_EQ(times[1], (KeyTime{5, 0}));
    EXPECT_EQ(times[2], (KeyTime{1, 2}));
    EXPECT_EQ(times[3], (KeyTime{0, 0}));
    EXPECT_EQ(times[4], (KeyTime{3, 4}));
    EXPECT_EQ(times[5], (KeyTime{-2147483647 - 1, -1}));
    EXPECT_EQ(times[6], (KeyTime{7, 0}));
    EXPECT_EQ(times[23], (KeyTime{1, 1}));
}
