// The formatted words: each notation's spacing, capitals, glue and paragraphs,
// and the translation each piece of text came from.
#include "tests/translation/TranslationFixture.h"

#include "translation/TranscriptFormatter.h"

using namespace translation_test;

namespace {

Transcript Format(const std::shared_ptr<const CDictionaryFile>& dictionary,
                  const std::string& strStrokes, std::size_t nFirst = 0)
{
    CDictionaryCollection dictionaries;
    dictionaries.Assign({dictionary});
    const auto keys = Strokes(strStrokes);
    const CKeyList strokes(keys);
    CDocumentTranslation translation(dictionaries);
    translation.TranslateAll(strokes);
    return CTranscriptFormatter(dictionaries, translation.Translations(), strokes)
        .Format(nFirst, translation.Translations().Count());
}

} // namespace

TEST(TranscriptFormatter, LaysOutTheBraceNotation)
{
    const auto dictionary = Json(R"({"KAT": "cat", "-G": "{^ing}", "KPA": "{}{-|}",
        "HRO": "{>}Lo", "TP-PL": "{.}", "KW-BG": "{,}", "A*": "{&a}", "PW*": "{&b}",
        "-S": "{^s}", "PRE": "{pre^}", "KW-GS": "{~|\"^}", "KR-GS": "{^~|\"}", "R-R": "{^\n^}",
        "P-PZ": "{#Return}{#Return}", "TKPW": "{PLOVER:TOGGLE}", "STPH": "{^}", "TKOG": "dog cat"})");
    const std::pair<std::string, std::string> cases[] = {
        {"KAT -G KAT -S", "cating cats"},
        {"KPA KAT HRO", "Cat lo"},
        {"KAT TP-PL KAT KW-BG KAT", "cat. Cat, cat"},
        {"KAT A* PW* KAT A*", "cat ab cat a"},
        {"PRE KAT STPH KAT", "precatcat"},
        {"KAT TP-PL KW-GS KAT KR-GS", "cat. \"Cat\""},
        {"KAT R-R KAT P-PZ KAT", "cat\ncat\ncat"},
        {"TKPW TKOG STPH", "{PLOVER:TOGGLE} dog cat"},
        {"STPH-FR KAT", "STPH-FR cat"},
    };
    for (const auto& [strokes, text] : cases)
        EXPECT_EQ(Format(dictionary, strokes).strText, text) << strokes;
}

TEST(TranscriptFormatter, LaysOutRtfCreText)
{
    const auto dictionary = Rtf(
        "{\\*\\cxs KAT}cat{\\*\\cxs -G}\\cxds ing{\\*\\cxs PRE}pre\\cxds {\\*\\cxs KPA}\\cxfc "
        "{\\*\\cxs HRO}\\cxfl Lo{\\*\\cxs TP-PL}{\\cxp. }{\\*\\cxs KW-BG}{\\cxp, }"
        "{\\*\\cxs H-PB}{\\cxp-}{\\*\\cxs A*}{\\cxfing a}{\\*\\cxs PW*}{\\cxfing b}"
        "{\\*\\cxs P-P}\\par{\\*\\cxs TPH}a\\~b\\_c \\\\\\{\\}{\\*\\cxs SP}\\'e9t\\u233\\'e9e"
        "{\\*\\cxs TKOG}{\\*\\cxcomment skipped}\\b{\\i dog}\\b0 {\\*\\cxs TKPW}\\uc2\\u8212--x");
    const std::pair<std::string, std::string> cases[] = {
        {"KAT -G PRE KAT", "cating precat"},
        {"KPA KAT HRO", "Cat lo"},
        {"KAT TP-PL KAT KW-BG KAT H-PB KAT", "cat. Cat, cat-cat"},
        {"KAT A* PW* KAT", "cat ab cat"},
        {"KAT P-P KAT", "cat\ncat"},
        {"TPH", "a\xc2\xa0"
                "b\xe2\x80\x91"
                "c \\{}"},
        {"SP", "\xc3\xa9t\xc3\xa9"
               "e"},
        {"TKOG TKPW", "dog \xe2\x80\x94x"},
    };
    for (const auto& [strokes, text] : cases)
        EXPECT_EQ(Format(dictionary, strokes).strText, text) << strokes;
}

TEST(TranscriptFormatter, TiesEachPieceToItsTranslationAndKeepsCapitalsFromBefore)
{
    const auto dictionary = Json(R"({"KAT": "cat", "TP-PL": "{.}", "TKOG": "dog cat",
        "-S": "{^s}"})");
    const Transcript transcript = Format(dictionary, "KAT TP-PL TKOG -S", 2);
    EXPECT_EQ(transcript.strText, "Dog cats");
    std::vector<std::tuple<std::size_t, std::size_t, std::size_t>> pieces;
    for (const auto& piece : transcript.pieces)
        pieces.emplace_back(piece.nBegin, piece.nEnd, piece.nTranslation);
    EXPECT_EQ(pieces, (std::vector<std::tuple<std::size_t, std::size_t, std::size_t>>{
                          {0, 3, 2}, {4, 7, 2}, {7, 8, 3}}));
}
