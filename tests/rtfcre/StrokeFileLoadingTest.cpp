#include "rtfcre/StrokeFileLoading.h"
#include "base/FileException.h"
#include "base/LocalTime.h"
#include "rtfcre/RTFCREWriter.h"
#include "steno/StenoEncoder.h"
#include "tests/support/FileTestSupport.h"

#include <gtest/gtest.h>

using namespace base;

namespace {

const std::string kHeader = "{\\rtf1\\pc\n{\\*\\cxsystem {\\i Corvane writer} Ardentide Inc}\n"
                            "{\\creatim\\yr2024\\mo5\\da3}\n";

std::string Stroke(const std::string& strSteno, const std::string& strRaw,
                   const std::string& strTime)
{
    return test_support::StrokeLines(strSteno, strRaw, strTime, "1 2", "3,4");
}

class StrokeFileLoadingTest : public ::testing::Test
{
protected:
    /// Loads content; gives the failure's reason, empty when it loaded.
    std::string Load(const std::filesystem::path& path)
    {
        try {
            LoadStrokeFile(path, m_header, m_strokes);
        } catch (const CFileException& error) {
            return error.what();
        }
        return {};
    }

    std::string LoadContent(const std::string& content)
    {
        return Load(m_dir.Write("strokes.rtf", content));
    }

    test_support::CTempFolder m_dir;
    CScopedTimeZone m_zone{kUtcZone};
    StrokeFileHeader m_header;
    std::vector<CStenoStroke> m_strokes;
};

} // namespace

TEST_F(StrokeFileLoadingTest, BuildsRecordsFromTheTexts)
{
    ASSERT_EQ(LoadContent(kHeader + Stroke("KA-T", "KA-T", "9:5:7:0") +
                          Stroke("-Z", "", "10:0:0:0") + Stroke("STPH", "STPH-R", "11:0:0:0") +
                          "}\r\n"),
              "");
    ASSERT_EQ(m_strokes.size(), 3u);
    const CStenoEncoder encoder;
    EXPECT_EQ(m_strokes[0].m_keys, encoder.StenoToKeys(L"KA-T"));
    EXPECT_EQ(m_strokes[0].m_rawKeys, m_strokes[0].m_keys);
    EXPECT_EQ(m_strokes[0].m_time, MakeLocalTime(2024, 5, 3, 9, 5, 7));
    EXPECT_EQ(m_strokes[0].m_keyValues[1], 2);
    EXPECT_EQ(m_strokes[0].m_keyTimes[0], (KeyTime{3, 4}));
    // An empty raw text gives the stroke's own keys.
    EXPECT_EQ(m_strokes[1].m_rawKeys, encoder.StenoToKeys(L"-Z"));
    EXPECT_EQ(m_strokes[2].m_rawKeys, encoder.StenoToKeys(L"STPH-R"));
    EXPECT_NE(m_strokes[2].m_rawKeys, m_strokes[2].m_keys);
}

TEST_F(StrokeFileLoadingTest, FailuresSayWhatAndWhere)
{
    struct Row
    {
        std::string content;
        const char* reason;
        std::size_t nStrokesKept;
    };
    const Row rows[] = {
        {kHeader + Stroke("A", "A", "1:0:0:0") + Stroke("B", "B", "2:0:0:0") +
             "{\\*\\cxs C}\n\n\n\n" + Stroke("D", "D", "3:0:0:0"),
         "no time group for the stroke at line 14", 2},
        {kHeader + Stroke("A", "A", "1:0:0:0") + Stroke("B", "B", "24:0:0:0"),
         "hour 24 out of range at line 11", 1},
        {"{\\*\\cxsystem {\\i N} T}\n{\\creatim\\yr2024\\mo2\\da30}\n" +
             Stroke("A", "A", "0:0:0:0") + Stroke("B", "B", "0:0:61:0"),
         "second 61 out of range at line 10", 1},
        {"{\\*\\cxsystem {\\i N} T}\n{\\creatim\\yr3001\\mo1\\da1}\n" + Stroke("A", "A", "0:0:0:0"),
         "local time 3001-01-01 00:00:00 out of range at line 5", 0},
        {"{\\*\\cxsystem {\\i N} T}\n" + Stroke("A", "A", "1:0:0:0"),
         "no creation line in the header", 0},
        {"{\\creatim\\yr2024\\mo5\\da3}\n" + Stroke("A", "A", "1:0:0:0"),
         "no system line in the header", 0},
    };
    for (const Row& row : rows) {
        m_strokes.clear();
        EXPECT_EQ(LoadContent(row.content), row.reason);
        EXPECT_EQ(m_strokes.size(), row.nStrokesKept) << row.reason;
    }
}

// The record array is sized from the file once its first strokes show their
// size: it is never doubled, and not much is reserved beyond what is used.
TEST_F(StrokeFileLoadingTest, ReservesFromTheFileSize)
{
    const auto path = m_dir.Path("large.rtf");
    constexpr int kCount = 20000;
    {
        CRTFCREWriter writer;
        writer.Open(path);
        writer.WriteHeader(L"Corvane writer", L"Ardentide Inc", MakeLocalTime(2024, 5, 3, 0, 0, 0));
        KeyValues values{};
        KeyTimes times{};
        for (int i = 0; i < kCount; ++i) {
            values[static_cast<std::size_t>(i % 24)] = static_cast<std::uint16_t>(10000 + i);
            times[static_cast<std::size_t>(i % 24)] = {1000000000 + i, 31104303};
            writer.WriteStroke(i % 3 ? L"STKPW" : L"SKWR", L"KA-T",
                               MakeLocalTime(2024, 5, 3, 8, 0, 0) + i, values, times);
        }
        writer.Finish();
    }
    ASSERT_EQ(Load(path), "");
    ASSERT_EQ(m_strokes.size(), static_cast<std::size_t>(kCount));
    EXPECT_LE(m_strokes.capacity(), kCount * 13 / 10);
}
