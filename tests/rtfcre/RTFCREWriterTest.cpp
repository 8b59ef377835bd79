#include "rtfcre/RTFCREWriter.h"
#include "base/FileException.h"
#include "base/LocalTime.h"
#include "rtfcre/RTFCREReader.h"
#include "steno/StenoEncoder.h"
#include "tests/support/FileTestSupport.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <functional>
#include <random>
#include <unistd.h>

using namespace base;

namespace {

using test_support::HeaderText;
using test_support::kZeroPairs;
using test_support::kZeroValues;
using test_support::StrokeLines;

std::int64_t At(int nHour, int nMinute, int nSecond)
{
    return MakeLocalTime(2024, 5, 3, nHour, nMinute, nSecond);
}

void WriteHeader(CRTFCREWriter& writer)
{
    writer.WriteHeader(L"Corvane writer", L"Ardentide Inc", At(12, 0, 0));
}

bool WritePlainStroke(CRTFCREWriter& writer)
{
    return writer.WriteStroke(L"STKPW", L"STKPW", At(1, 0, 0), KeyValues{}, KeyTimes{});
}

/// What the call threw; empty when it threw nothing.
std::string Thrown(const std::function<void()>& call)
{
    try {
        call();
    } catch (const CFileException& error) {
        return error.what();
    }
    return {};
}

class RTFCREWriterTest : public ::testing::Test
{
protected:
    /// The bytes of a file the writer wrote with write, closed by Finish or the destructor.
    std::string Written(const std::function<void(CRTFCREWriter&)>& write, bool bFinish = true)
    {
        const auto path = m_dir.Path("out.rtf");
        {
            CRTFCREWriter writer;
            writer.Open(path);
            write(writer);
            if (bFinish)
                writer.Finish();
        }
        return ReadBytes(path);
    }

    test_support::CTempFolder m_dir;
    CScopedTimeZone m_zone{kUtcZone};
};

} // namespace

TEST_F(RTFCREWriterTest, WholeFileByteForByte)
{
    KeyValues values{};
    values[0] = 1;
    values[23] = 65535;
    KeyTimes times{};
    times[0] = {-1, -1};
    times[23] = {2147483647, -2147483647 - 1};
    const std::string strBytes = Written([&](CRTFCREWriter& writer) {
        WriteHeader(writer);
        WriteHeader(writer); // a second header is not written
        EXPECT_TRUE(writer.WriteStroke(L"KA-T", L"KA-T", At(9, 5, 7), KeyValues{}, KeyTimes{}));
        EXPECT_TRUE(writer.WriteStroke(L"STPH", L"STPH-R", At(23, 59, 59), values, times));
        // A time that cannot be converted is written as -1.
        EXPECT_TRUE(writer.WriteStroke(L"", L"", -1, KeyValues{}, KeyTimes{}));
    });
    std::string zeros, pairs;
    for (int i = 0; i < 22; ++i) {
        zeros += " 0";
        pairs += " 0,0";
    }
    EXPECT_EQ(strBytes, HeaderText() +
                            StrokeLines("KA-T", "KA-T", "9:5:7:0", kZeroValues, kZeroPairs) +
                            StrokeLines("STPH", "STPH-R", "23:59:59:0", "1" + zeros + " 65535",
                                        "-1,-1" + pairs + " 2147483647,-2147483648") +
                            StrokeLines("", "", "-1:-1:-1:0", kZeroValues, kZeroPairs) + "}\r\n");
}

// A file always has its header and closing brace: without strokes, whether
// Finish or the destructor closes it, and with a stroke written before the header.
TEST_F(RTFCREWriterTest, HeaderAndBraceAreAlwaysWritten)
{
    for (const bool bFinish : {true, false})
        EXPECT_EQ(Written(WriteHeader, bFinish), HeaderText() + "}\r\n") << bFinish;
    const std::string strBytes = Written([](CRTFCREWriter& writer) { WritePlainStroke(writer); });
    EXPECT_TRUE(strBytes.starts_with(
        "{\\rtf1\\pc\n{\\*\\cxrev100}\n{\\*\\cxnotes}\n{\\*\\cxsystem {\\i unknown} unknown}\n"))
        << strBytes;
    EXPECT_TRUE(strBytes.ends_with(
        "}\n" + StrokeLines("STKPW", "STKPW", "1:0:0:0", kZeroValues, kZeroPairs) + "}\r\n"));
}

// Every failure, wherever it surfaces, fails Finish with its reason, and no
// stroke is taken after it. A write refused at once is injected through the
// document's save under a file size limit.
TEST_F(RTFCREWriterTest, EveryFailureFailsTheSave)
{
    // A failure that surfaces only when the buffer is written, well after the
    // strokes were handed over.
    std::signal(SIGPIPE, SIG_IGN);
    int ends[2] = {-1, -1};
    ASSERT_EQ(::pipe(ends), 0);
    CRTFCREWriter late;
    late.Attach(ends[1], "pipe");
    WriteHeader(late); // fits the pipe's own buffer
    ::close(ends[0]);
    bool bAllWritten = true;
    for (int i = 0; i < 5000; ++i)
        bAllWritten = WritePlainStroke(late) && bAllWritten;
    EXPECT_FALSE(bAllWritten);
    EXPECT_EQ(Thrown([&] { late.Finish(); }), "cannot write: Broken pipe");

    // At the closing brace: the descriptor is swapped for one that cannot be written.
    const auto path = m_dir.Path("closing.rtf");
    CRTFCREWriter closing;
    closing.Open(path);
    WriteHeader(closing);
    const int nReadOnly = ::open(path.c_str(), O_RDONLY);
    ASSERT_GE(nReadOnly, 0);
    closing.Attach(nReadOnly, path);
    EXPECT_EQ(Thrown([&] { closing.Finish(); }), "cannot write: Bad file descriptor");
}

namespace {

CStenoStroke RandomStroke(std::mt19937& random, std::int64_t dayStart, std::int64_t dayLength)
{
    CStenoStroke stroke;
    stroke.m_time = dayStart + static_cast<std::int64_t>(random()) % dayLength;
    stroke.m_keys = random() & steno::kAllKeysMask;
    stroke.m_rawKeys = random() % 4 == 0 ? 0 : random() & steno::kAllKeysMask;
    for (int i = 0; i < steno::kKeyCount; ++i) {
        stroke.m_keyValues[i] = static_cast<std::uint16_t>(random());
        stroke.m_keyTimes[i] = {static_cast<std::int32_t>(random()),
                                static_cast<std::int32_t>(random())};
    }
    return stroke;
}

} // namespace

// What a save writes, a load reads back: keys, values, key times and, when the
// header carries the strokes' day, times, on a day of a daylight-saving change too.
TEST_F(RTFCREWriterTest, WrittenStrokesReadBackUnchanged)
{
    const CScopedTimeZone eastern(kEasternZone);
    const auto path = m_dir.Path("round.rtf");
    const std::int64_t dayStart = MakeLocalTime(2024, 3, 10, 0, 0, 0);
    const std::int64_t dayLength = MakeLocalTime(2024, 3, 11, 0, 0, 0) - dayStart; // 23 hours
    std::mt19937 random(7);
    std::vector<CStenoStroke> strokes;
    for (int i = 0; i < 3000; ++i)
        strokes.push_back(RandomStroke(random, dayStart, dayLength));
    const CStenoEncoder encoder;
    {
        CRTFCREWriter writer;
        writer.Open(path);
        writer.WriteHeader(L"Corvane writer", L"Ardentide Inc", dayStart);
        for (const CStenoStroke& s : strokes)
            writer.WriteStroke(encoder.KeysToSteno(s.m_keys), encoder.KeysToSteno(s.m_rawKeys),
                               s.m_time, s.m_keyValues, s.m_keyTimes);
        writer.Finish();
    }
    CRTFCREReader reader(path);
    std::wstring strName, strText, strSteno, strRaw;
    ASSERT_TRUE(reader.ReadHeader(strName, strText));
    CStenoStroke read;
    for (const CStenoStroke& s : strokes) {
        ASSERT_TRUE(
            reader.ReadStroke(strSteno, strRaw, read.m_time, read.m_keyValues, read.m_keyTimes));
        read.m_keys = encoder.StenoToKeys(strSteno);
        read.m_rawKeys = encoder.StenoToKeys(strRaw); // an empty raw text is no keys
        ASSERT_EQ(read, s);
    }
    EXPECT_FALSE(
        reader.ReadStroke(strSteno, strRaw, read.m_time, read.m_keyValues, read.m_keyTimes));
}
