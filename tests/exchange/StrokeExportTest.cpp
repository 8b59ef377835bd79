// CSV and JSON export: the exact CSV record with local offsets, RFC 4180
// quoting, and JSON that the JSON library reads back to the strokes.
#include "exchange/StrokeExport.h"
#include "base/LocalTime.h"
#include "steno/KeyTimes.h"
#include "tests/support/FileTestSupport.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fcntl.h>

namespace {

using namespace exchange;
using test_support::CTempFolder;

constexpr std::uint64_t kStruck = 133591968001513789; // 2024-05-03T08:00:00.151

CStenoStroke KatStroke(std::int64_t time)
{
    CStenoStroke stroke;
    stroke.m_time = time;
    stroke.m_keys = steno::KeyBit(steno::kKeyK) | steno::KeyBit(steno::kKeyA) |
                    steno::KeyBit(steno::kKeyRightT);
    stroke.m_rawKeys = steno::KeyBit(steno::kKeyK) | steno::KeyBit(steno::kKeyA);
    stroke.m_keyValues[0] = 3;
    stroke.m_keyValues[23] = 65535;
    stroke.m_keyTimes[0] = steno::KeyTimeOf(kStruck);
    stroke.m_keyTimes[23] = steno::KeyTimeOf(1);
    return stroke;
}

std::string Export(ExportFormat format, const std::vector<CStenoStroke>& strokes,
                   TranslationSource translation = {})
{
    const CTempFolder folder;
    const std::string strPath = folder / "export";
    const int nFile = ::open(strPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    base::CBufferedWriter out(nFile);
    CStrokeExport exporter(out, format, std::move(translation));
    exporter.Begin();
    for (std::size_t i = 0; i < strokes.size(); ++i)
        exporter.Write(i + 7, strokes[i]);
    exporter.End();
    EXPECT_TRUE(out.Flush());
    ::close(nFile);
    return ReadBytes(strPath);
}

std::string Repeated(const std::string& strField, int nCount)
{
    std::string strText;
    for (int i = 0; i < nCount; ++i)
        strText += strField;
    return strText;
}

// New York on the day its clocks go forward: the offset follows each stroke.
// Translations are quoted as RFC 4180 asks, and only where they need it.
TEST(StrokeExport, CsvRecordsCarryLocalOffsetsBothFormsOfKeyTimesAndQuotedText)
{
    const CScopedTimeZone zone(kEasternZone);
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"plain", "plain"},
        {"a,b", "\"a,b\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"two\r\nlines", "\"two\r\nlines\""},
    };
    const std::int64_t nEst = base::MakeLocalTime(2024, 3, 10, 1, 59, 59);
    const std::string strCsv =
        Export(ExportFormat::Csv,
               {KatStroke(nEst), KatStroke(nEst), KatStroke(nEst + 1), KatStroke(nEst + 1)},
               [&](std::size_t nIndex) { return cases[nIndex - 7].first; });
    const std::string strFields = ",KA-T,KA,3" + Repeated(",0", 22) + ",65535,133591968001513789" +
                                  Repeated(",0", 22) + ",1,2024-05-03T08:00:00.151" +
                                  Repeated(",", 22) + ",1601-01-01T00:00:00.000,";
    const auto nHeaderEnd = strCsv.find("\r\n") + 2;
    EXPECT_EQ(std::count(strCsv.begin(), strCsv.begin() + nHeaderEnd, ','), 76);
    EXPECT_TRUE(strCsv.starts_with("index,time,keys,raw_keys,value_0,")) << strCsv;
    std::string strExpected;
    for (std::size_t i = 0; i < cases.size(); ++i)
        strExpected += std::to_string(i + 7) +
                       (i < 2 ? ",2024-03-10T01:59:59-05:00" : ",2024-03-10T03:00:00-04:00") +
                       strFields + cases[i].second + "\r\n";
    EXPECT_EQ(strCsv.substr(nHeaderEnd), strExpected);
}

TEST(StrokeExport, JsonReadsBackThroughTheLibrary)
{
    const CScopedTimeZone zone(kUtcZone);
    const std::vector<CStenoStroke> strokes = {KatStroke(1714723200), CStenoStroke{}};
    const std::vector<std::string> translations = {"say \"hi\",\tcaf\xc3\xa9", "bad \xff byte"};
    const nlohmann::json records = nlohmann::json::parse(Export(
        ExportFormat::Json, strokes, [&](std::size_t nIndex) { return translations[nIndex - 7]; }));
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0]["time"], "2024-05-03T08:00:00+00:00");
    EXPECT_EQ(records[0]["keys"], "KA-T");
    EXPECT_EQ(records[0]["raw_keys"], "KA");
    EXPECT_EQ(records[0]["translation"], translations[0]);
    EXPECT_EQ(records[1]["translation"], "bad \xef\xbf\xbd byte");
    for (std::size_t i = 0; i < strokes.size(); ++i) {
        EXPECT_EQ(records[i]["index"], i + 7);
        for (int k = 0; k < steno::kKeyCount; ++k) {
            const std::uint64_t nTime = steno::FileTimeOf(strokes[i].m_keyTimes[k]);
            EXPECT_EQ(records[i]["values"][k], strokes[i].m_keyValues[k]);
            EXPECT_EQ(records[i]["key_times"][k], nTime);
            EXPECT_EQ(records[i]["key_times_iso"][k].get<std::string>().empty(), nTime == 0);
        }
    }
    EXPECT_EQ(records[0]["key_times_iso"][0], "2024-05-03T08:00:00.151");
    EXPECT_EQ(nlohmann::json::parse(Export(ExportFormat::Json, {})), nlohmann::json::array());
}

} // namespace
