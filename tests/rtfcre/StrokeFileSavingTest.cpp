#include "rtfcre/StrokeFileSaving.h"
#include "base/LocalTime.h"
#include "rtfcre/RTFCREWriter.h"
#include "rtfcre/SystemLine.h"
#include "steno/StenoEncoder.h"
#include "tests/support/FileTestSupport.h"

#include <gtest/gtest.h>

#include <random>

namespace {

/// Remembers every fraction it is told.
class CRecordedProgress : public IFileProgress
{
public:
    bool Progress(double nDone) override
    {
        m_fractions.push_back(nDone);
        return false; // a save goes on regardless
    }

    std::vector<double> m_fractions;
};

} // namespace

// A save formats its strokes on two threads, a chunk at a time: the file holds
// exactly what the writer writes stroke by stroke, and the progress hears of
// it in rising steps up to the whole.
TEST(StrokeFileSaving, WritesWhatTheWriterWritesStrokeByStroke)
{
    const test_support::CTempFolder dir;
    const CScopedTimeZone zone(kEasternZone);
    const std::int64_t start = base::MakeLocalTime(2024, 3, 10, 0, 0, 0); // a short day
    std::mt19937 random(5);
    std::vector<CStenoStroke> strokes(5000);
    for (std::size_t i = 0; i < strokes.size(); ++i) {
        CStenoStroke& stroke = strokes[i];
        stroke.m_time = start + static_cast<std::int64_t>(i) * 17;
        stroke.m_keys = random() & steno::kAllKeysMask;
        stroke.m_rawKeys = i % 7 ? stroke.m_keys : random() & steno::kAllKeysMask;
        for (std::size_t nKey = 0; nKey < stroke.m_keyValues.size(); ++nKey) {
            stroke.m_keyValues[nKey] = static_cast<std::uint16_t>(random());
            stroke.m_keyTimes[nKey] = {static_cast<std::int32_t>(random()),
                                       static_cast<std::int32_t>(random() >> (i % 32))};
        }
    }
    CRecordedProgress progress;
    SaveStrokeFile(dir.Path("saved.rtf"), strokes, start, &progress);
    {
        const CStenoEncoder encoder;
        CRTFCREWriter writer;
        writer.Open(dir.Path("expected.rtf"));
        writer.WriteHeader(rtfcre::kSystemName, rtfcre::kSystemText, start);
        for (const CStenoStroke& stroke : strokes)
            writer.WriteStroke(encoder.KeysToSteno(stroke.m_keys),
                               encoder.KeysToSteno(stroke.m_rawKeys), stroke.m_time,
                               stroke.m_keyValues, stroke.m_keyTimes);
        writer.Finish();
    }
    EXPECT_EQ(ReadBytes(dir.Path("saved.rtf")), ReadBytes(dir.Path("expected.rtf")));
    ASSERT_FALSE(progress.m_fractions.empty());
    EXPECT_TRUE(std::is_sorted(progress.m_fractions.begin(), progress.m_fractions.end()));
    EXPECT_EQ(progress.m_fractions.back(), 1.0);
    EXPECT_LE(progress.m_fractions.size(), 101u);
}
