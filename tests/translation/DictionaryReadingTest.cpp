// Reading dictionaries: outlines in either notation, the entries of both file
// forms, and a clear line and reason for a file that cannot be read.
#include "tests/translation/TranslationFixture.h"

#include "translation/DictionaryError.h"
#include "translation/OutlineHash.h"

using namespace translation_test;

namespace {

/// The text a dictionary holds for an outline, or "-" when it has none.
std::string Entry(const CDictionaryFile& file, const std::string& strOutline)
{
    std::vector<steno::KeyBits> strokes;
    if (!ParseOutline(strOutline, true, strokes))
        return "bad outline";
    const auto nEntry = file.Entries().Find(strokes.data(), strokes.size(),
                                            OutlineHash(strokes.data(), strokes.size()));
    return nEntry ? std::string(file.Entries().Text(*nEntry)) : "-";
}

std::string Failure(const std::string& strBytes)
{
    try {
        CDictionaryFile::Read(strBytes, "bad");
    } catch (const CDictionaryError& error) {
        return error.what();
    }
    return "read";
}

} // namespace

TEST(OutlineNotation, ReadsBothNotationsToTheSameKeys)
{
    const std::pair<const char*, const char*> same[] = {
        {"KAT", "KA-T"}, {"TKPWHR-FRPB", "TKPWHR-FRPB"},
        {"EU", "-EU"},   {"1-9", "#S-T"},
        {"19", "#S-T"},  {"-6BG", "#-FBG"},
        {"50", "#AO"},   {"#1-9", "#S-T"},
        {"S-", "S"},     {"AOEU", "AO-EU"},
    };
    for (const auto& [a, b] : same)
        EXPECT_EQ(ParseStroke(a, false), ParseStroke(b, false)) << a << " " << b;
    for (const char* pBad : {"", "-", "AK", "SS-SS", "kat", "KAT/", "@KAT", "X"})
        EXPECT_FALSE(ParseStroke(pBad, false).has_value()) << pBad;
    EXPECT_EQ(ParseStroke("@KAT", true), *ParseStroke("KAT", false) | steno::KeyBit(steno::kKeyAt));
    EXPECT_EQ(KeysText(*ParseStroke("1-9", false)), "#1-9");
}

TEST(DictionaryFile, ReadsJsonEntries)
{
    const auto file = Json(R"({"KAT": "cat", "TKOG/-S": "dogs", "KA-T": "kitten",
        "TPHO\u0027T": "skipped", "TEFT": "a \"quoted\" \\ text\n"})");
    EXPECT_EQ(file->Format(), DictionaryFormat::Json);
    EXPECT_EQ(Entry(*file, "KAT"), "kitten") << "the later of two equal outlines wins";
    EXPECT_EQ(Entry(*file, "TKOG/-S"), "dogs");
    EXPECT_EQ(Entry(*file, "TEFT"), "a \"quoted\" \\ text\n");
    EXPECT_EQ(file->Entries().Count(), 3u);
    EXPECT_EQ(file->Entries().LongestOutline(), 2u);
    EXPECT_EQ(file->Notes().Message(),
              "1 entry was left out: the outline is not steno (line 2: \"TPHO'T\")");
}

TEST(DictionaryFile, ReadsRtfEntriesAsWritten)
{
    const auto file = CDictionaryFile::Read(
        "{\\rtf1\\ansi\\ansicpg1251{\\*\\cxrev100}\\cxdict{\\*\\cxsystem Test}\r\n"
        "{\\stylesheet{\\s0 Normal;}}\r\n"
        "{\\*\\cxs KAT}cat\r\n"
        "{\\*\\cxs -G}\\cxds ing{\\*\\cxsvatdictflags N}\r\n"
        "{\\*\\cxs TKOG/TKOG}\\cxfc dog\r\n dog\r\n"
        "{\\*\\cxs #1-9}\xe0\\'e0{\\cxp. }\r\n"
        "{\\*\\cxs K*X}skipped\r\n"
        "}\r\n",
        "test.rtf");
    EXPECT_EQ(file->Format(), DictionaryFormat::Rtf);
    EXPECT_EQ(file->CodePage(), 1251);
    EXPECT_EQ(Entry(*file, "KAT"), "cat");
    EXPECT_EQ(Entry(*file, "-G"), "\\cxds ing{\\*\\cxsvatdictflags N}");
    EXPECT_EQ(Entry(*file, "TKOG/TKOG"), "\\cxfc dog dog");
    EXPECT_EQ(Entry(*file, "1-9"), "\xd0\xb0\\'e0{\\cxp. }") << "8-bit text in UTF-8";
    EXPECT_EQ(file->Notes().nFirstLine, 8u);
}

TEST(DictionaryFile, NamesTheLineAndTheReasonOfAFailure)
{
    const std::pair<std::string, std::string> cases[] = {
        {"{\n\"KAT\": \"cat\",\n\"TKOG\" \"dog\"\n}", "line 3: "},
        {"{\n\"KAT\": \"cat\",\n\"TKOG\": 5\n}", "line 3: the text of \"TKOG\" is not a string"},
        {"{\n\"KAT\": \"cat\n\",\n\"TKOG\": \"dog\"}",
         "line 2: a string is not closed on its line"},
        {"{\n\"KAT\": \"cat\",\n\"TKOG\": \"d\xffg\"\n}", "line 3: the text is not UTF-8"},
        {"[\"KAT\"]", "line 1: the file is not one JSON object of outlines and their text"},
        {"", "the file is empty"},
        {"{\\rtf1\\ansi\n{\\*\\cxs KAT}cat}",
         "line 2: not an RTF/CRE dictionary: its header has no \\cxdict"},
        {"{\\rtf1\\cxdict\n{\\*\\cxs KAT}cat\n{\\*\\cxs TKOG}{\\b dog}\n",
         "line 4: the file ends before the brace that closes the document"},
        {"{\\rtf1\\ansicpg932\\cxdict\n{\\*\\cxs KAT}cat}",
         "line 2: code page 932 needs more than a byte a character"},
    };
    for (const auto& [bytes, reason] : cases) {
        const std::string strFailure = Failure(bytes);
        EXPECT_TRUE(strFailure.starts_with(reason)) << strFailure << " | wanted: " << reason;
    }
}
