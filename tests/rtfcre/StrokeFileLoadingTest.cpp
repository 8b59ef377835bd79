#include "rtfcre/StrokeFileLoading.h"
#include "base/FileException.h"
#include "base/LocalTime.h"
#include "rtfcre/RTFCREWriter.h"
#include "steno/StenoEncoder.h"
#include "tests/support/FileTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace base;

namespace {

const std::string kHeader = "{\\rtf1\\pc\n{\\*\\cxsystem {\\i Corvane writer} Ardentide Inc}\n"
                            "{\\creatim\\yr2024\\mo5\\da3}\n";

std::string Stroke(const std::string& strSteno, const std::string& strRaw,
                   const std::string& strTime)
{
    return test_support::StrokeLines(strSteno, strRaw, strTime, "1 2", "3,4");
}

/// The writer's form with numbers of every size and sign, and count strokes.
std::string WriterFile(std::mt19937& random, int nCount)
{
    std::uniform_int_distribution<std::int64_t> number(-2147483648LL, 4294967295LL);
    std::string strText = test_support::HeaderText();
    for (int i = 0; i < nCount; ++i) {
        std::string strValues;
        std::string strPairs;
        for (int nKey = 0; nKey < steno::kKeyCount; ++nKey) {
            const char* separator = nKey == 0 ? "" : " ";
            strValues += separator + std::to_string(number(random) >> (random() % 33));
            strPairs += separator + std::to_string(number(random) >> (random() % 33)) + "," +
                        std::to_string(number(random));
        }
        strText += test_support::StrokeLines(i % 2 ? "KA-T" : "STPH", i % 3 ? "KA-T" : "-Z",
                                             std::to_string(8 + i / 3600) + ":" +
                                                 std::to_string(i / 60 % 60) + ":" +
                                                 std::to_string(i % 60) + ":0",
                                             strValues, strPairs);
    }
    return strText + "}\r\n";
}

/// content with one to four random changes: a byte replaced, a piece of the
/// format or of odd text put in, bytes taken out, or the rest cut off.
std::string Mutated(std::string content, std::mt19937& random)
{
    static const std::string kBytes = "\n\r\x1A{}\\*, -09x:";
    static const char* const kPieces[] = {"{\\*\\cxs ",
                                          "{\\*\\cxsf ",
                                          "{\\*\\cxt 9:9:9:0}",
                                          "{\\*\\cxsp ",
                                          "{\\*\\cxspt ",
                                          "\r\n",
                                          "\x1A",
                                          ",,",
                                          "  ",
                                          "-",
                                          "98765432109876543210",
                                          "}\n"};
    for (int n = 1 + static_cast<int>(random() % 4); n > 0 && !content.empty(); --n) {
        const std::size_t at = random() % content.size();
        switch (random() % 5) {
        case 0:
            content[at] = kBytes[random() % kBytes.size()];
            break;
        case 1:
            content[at] = static_cast<char>(random());
            break;
        case 2:
            content.insert(at, kPieces[random() % std::size(kPieces)]);
            break;
        case 3:
            content.erase(at, 1 + random() % 20);
            break;
        default:
            content.resize(at);
        }
    }
    return content;
}

/// What a load gives: the header, the strokes and the failure.
struct LoadOutcome
{
    StrokeFileHeader header;
    std::vector<CStenoStroke> strokes;
    std::string strFailure;

    bool operator==(const LoadOutcome& other) const
    {
        return header.strSystemName == other.header.strSystemName &&
               header.strSystemText == other.header.strSystemText &&
               header.nYear == other.header.nYear && header.nMonth == other.header.nMonth &&
               header.nDay == other.header.nDay && strokes == other.strokes &&
               strFailure == other.strFailure;
    }
};

template <typename Load> LoadOutcome Outcome(Load load, const std::filesystem::path& path)
{
    LoadOutcome outcome;
    try {
        load(path, outcome.header, outcome.strokes);
    } catch (const CFileException& error) {
        outcome.strFailure = error.what();
    }
    return outcome;
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

// The mapped reader, parsing on two threads, reads every file as the block
// reader on one thread does: small files changed at random, and now and then
// a file of many batches.
TEST_F(StrokeFileLoadingTest, MatchesTheSequentialReaderOnMutatedFiles)
{
    std::mt19937 random(16);
    const std::string seeds[] = {
        WriterFile(random, 12),
        kHeader +
            "{\\*\\cxs A}{\\*\\cxsf -Z}{\\*\\cxt 1:30}{\\*\\cxsp 5,}{\\*\\cxspt ,5 1,,2}\r\n" +
            Stroke("S", "", "2:0:0:0") + "{\\*\\cxs B}\n{\\*\\cxt 3:0:0:0}\n{\\*\\cxsp 1  2}\x1A",
    };
    const std::string strLarge = WriterFile(random, 3000);
    for (int i = 0; i < 1000; ++i) {
        const std::string& seed = i % 200 == 0 ? strLarge : seeds[i % std::size(seeds)];
        // A new file each time: rewriting one file waits for the file system.
        const auto path =
            m_dir.Write("mutated" + std::to_string(i) + ".rtf", Mutated(seed, random));
        const LoadOutcome sequential = Outcome(LoadStrokeFileSequential, path);
        const LoadOutcome mapped =
            Outcome([](const auto& file, auto& header,
                       auto& strokes) { LoadStrokeFile(file, header, strokes); },
                    path);
        ASSERT_TRUE(mapped == sequential)
            << "file " << i << ": " << mapped.strokes.size() << " strokes, '" << mapped.strFailure
            << "' against " << sequential.strokes.size() << ", '" << sequential.strFailure << "'";
        std::filesystem::remove(path);
    }
}

namespace {

/// Remembers every fraction it is told and asks to stop at the nStopAt-th.
class CStoppingProgress : public IFileProgress
{
public:
    explicit CStoppingProgress(std::size_t nStopAt) : m_nStopAt(nStopAt) {}

    bool Progress(double nDone) override
    {
        m_fractions.push_back(nDone);
        return m_fractions.size() < m_nStopAt;
    }

    std::size_t m_nStopAt;
    std::vector<double> m_fractions;
};

} // namespace

// A load tells its progress how far it has read, in rising steps of the
// file; a progress that asks to stop ends the load with CLoadCancelled, the
// strokes read before kept as they are.
TEST_F(StrokeFileLoadingTest, ProgressFollowsTheLoadAndMayStopIt)
{
    std::mt19937 random(3);
    const auto path = m_dir.Write("strokes.rtf", WriterFile(random, 6000));
    CStoppingProgress all(1000);
    LoadStrokeFile(path, m_header, m_strokes, &all);
    ASSERT_EQ(m_strokes.size(), 6000u);
    EXPECT_GE(all.m_fractions.size(), 3u);
    EXPECT_LE(all.m_fractions.size(), 101u);
    EXPECT_TRUE(std::is_sorted(all.m_fractions.begin(), all.m_fractions.end()));
    EXPECT_GT(all.m_fractions.front(), 0.0);
    EXPECT_LE(all.m_fractions.back(), 1.0);

    CStoppingProgress second(2);
    std::vector<CStenoStroke> kept;
    EXPECT_THROW(LoadStrokeFile(path, m_header, kept, &second), CLoadCancelled);
    EXPECT_EQ(second.m_fractions.size(), 2u);
    ASSERT_GT(kept.size(), 0u);
    ASSERT_LT(kept.size(), m_strokes.size());
    EXPECT_TRUE(std::equal(kept.begin(), kept.end(), m_strokes.begin()));
}
