// The commands that move stroke times and carry strokes in and out of other
// forms, run through the real binary.
#include "monitors/KeyTimeText.h"
#include "rtfcre/StrokeFileLoading.h"
#include "tests/support/CliRunner.h"

#include <gtest/gtest.h>

namespace {

using namespace test_support;

constexpr std::int64_t kSecondsPerDay = 86400;
constexpr std::uint64_t kHourTicks = 36000000000;

const std::vector<FileStroke> kStrokes = {{"KAT", "KAT", "9:5:7:0"},
                                          {"PW", "PW", "9:5:8:0"},
                                          {"-T", "-T", "9:5:9:0"},
                                          {"KAT", "KA", "13:0:0:0"}};

std::vector<CStenoStroke> Load(const std::string& strPath)
{
    StrokeFileHeader header;
    std::vector<CStenoStroke> strokes;
    LoadStrokeFile(strPath, header, strokes);
    return strokes;
}

class ExchangeCliTest : public ::testing::Test
{
protected:
    void SetUp() override { WriteBytes(m_strFile, m_strOriginal); }

    const CScopedTimeZone m_zone{kUtcZone}; // the tool inherits it
    CTempFolder m_folder;
    const std::string m_strFile = m_folder / "day1.rtf";
    const std::string m_strOriginal = StrokeFileText(kStrokes);
};

// Strokes 1 and 2 an hour earlier: times of day (a save writes today's date)
// and non-zero key times; everything else as it was.
TEST_F(ExchangeCliTest, ShiftMovesTheRangeAndReanchors)
{
    const std::string strOut = m_folder / "out.rtf";
    const CliResult result =
        RunCli({"shift", m_strFile, "-01:00:00", "--from", "1", "--to", "2", "-o", strOut});
    ASSERT_EQ(result.nExit, 0) << result.strErr;
    const std::vector<CStenoStroke> before = Load(m_strFile);
    const std::vector<CStenoStroke> after = Load(strOut);
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < after.size(); ++i) {
        const bool bMoved = i == 1 || i == 2;
        CStenoStroke expected = before[i];
        expected.m_time = after[i].m_time - after[i].m_time % kSecondsPerDay +
                          before[i].m_time % kSecondsPerDay - (bMoved ? 3600 : 0);
        for (KeyTime& keyTime : expected.m_keyTimes) {
            const std::uint64_t nTime = monitors::FileTimeOf(keyTime);
            if (bMoved && nTime != 0)
                keyTime = monitors::KeyTimeOf(nTime - kHourTicks);
        }
        EXPECT_EQ(after[i], expected) << i;
    }
    EXPECT_EQ(RunCli({"shift", strOut, "10:00:00", "--from", "3"}).nExit, 0);
    EXPECT_EQ(Load(strOut)[3].m_time % kSecondsPerDay, 10 * 3600);
}

TEST_F(ExchangeCliTest, ShiftThatCannotBeMadeLeavesTheFile)
{
    const std::string strFailed = "Failed to shift file '" + m_strFile + "': ";
    const std::vector<std::pair<std::vector<std::string>, std::string>> rows = {
        {{"-09:05:08"},
         "Shifting by -09:05:08 would move stroke 1 (09:05:07) before the start of its day."},
        {{"+00:00:01", "--from", "2", "--to", "4"}, "strokes 2 to 4 are not among its 4 strokes"},
    };
    for (const auto& [options, strReason] : rows) {
        std::vector<std::string> call = {"shift", m_strFile};
        call.insert(call.end(), options.begin(), options.end());
        const CliResult result = RunCli(call);
        EXPECT_EQ(result.nExit, 1);
        EXPECT_EQ(result.strErr, strFailed + strReason + "\n");
    }
    EXPECT_EQ(ReadBytes(m_strFile), m_strOriginal);
}

// Standard output and -o give the same bytes: a header and four CSV rows, or
// a JSON array of four.
TEST_F(ExchangeCliTest, ExportWritesToOutputOrFile)
{
    const std::string strOut = m_folder / "strokes.out";
    for (const auto& [format, nLines] : {std::pair{"csv", 5}, {"json", 6}}) {
        const CliResult printed = RunCli({"export", m_strFile, "--format", format});
        EXPECT_EQ(printed.nExit, 0);
        EXPECT_EQ(RunCli({"export", m_strFile, "-o", strOut, "--format", format}).nExit, 0);
        EXPECT_EQ(ReadBytes(strOut), printed.strOut) << format;
        EXPECT_EQ(std::count(printed.strOut.begin(), printed.strOut.end(), '\n'), nLines) << format;
    }
}

// A log over midnight gives a file a day; the bad line is named and counted.
TEST_F(ExchangeCliTest, ImportWritesAFileADay)
{
    const std::string strLog =
        m_folder
            .Write("strokes.log", "2024-05-03 23:59:59,900 Stroke(KAT : [])\n"
                                  "2024-05-04 00:00:01,100 Stroke(S : [])\n"
                                  "2024-05-04 nonsense\n")
            .string();
    const std::string strOut = m_folder / "day.rtf";
    const CliResult result = RunCli({"import", strLog, "-o", strOut});
    EXPECT_EQ(result.nExit, 0);
    const std::string strFirst = m_folder / "day-2024-05-03.rtf";
    const std::string strSecond = m_folder / "day-2024-05-04.rtf";
    EXPECT_EQ(result.strOut, strFirst + ": 1 stroke(s)\n" + strSecond +
                                 ": 1 stroke(s)\n2 stroke(s) imported, 1 line(s) skipped\n");
    EXPECT_EQ(result.strErr, strLog + ":3: skipped: no time at the start of the line\n");
    EXPECT_EQ(RunCli({"info", strSecond}).strOut,
              "system: Corvane writer\ncreated: 2024-05-04\nstrokes: 1\n"
              "first: 2024-05-04 00:00:01\nlast: 2024-05-04 00:00:01\n");
    const std::string strEmpty = m_folder.Write("empty.txt", "\n").string();
    EXPECT_EQ(RunCli({"import", strEmpty, "-o", strOut}).strErr,
              "Failed to import file '" + strEmpty + "': no strokes found\n");
    EXPECT_FALSE(std::filesystem::exists(strOut));
}

} // namespace
