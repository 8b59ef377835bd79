// libFuzzer target for the dictionary readers: any bytes, read as they are (JSON
// unless they start as RTF) and read again behind an RTF/CRE header, must give a
// dictionary or a CDictionaryError, never a crash, a leak or undefined
// behaviour; what is read then translates and formats a fixed run of strokes,
// so entry text of any shape reaches the formatter too. Built by run-fuzz.sh.
#include "translation/DictionaryCollection.h"
#include "translation/DocumentTranslation.h"
#include "translation/OutlineNotation.h"
#include "translation/TranscriptFormatter.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

using namespace translation;

const std::vector<steno::KeyBits>& Strokes()
{
    static const std::vector<steno::KeyBits> strokes = [] {
        std::vector<steno::KeyBits> keys;
        for (const char* pStroke : {"KAT", "TKOG", "-S", "*", "KATS", "#1-9", "@KAT", "TKOG", "-G",
                                    "*", "*", "STPH", "-Z", "KPA", "A", "HRO"})
            keys.push_back(*ParseStroke(pStroke, true));
        return keys;
    }();
    return strokes;
}

void Translate(std::string bytes)
{
    std::shared_ptr<const CDictionaryFile> file;
    try {
        file = CDictionaryFile::Read(std::move(bytes), "fuzz");
    } catch (const CDictionaryError&) {
        return;
    }
    CDictionaryCollection dictionaries;
    dictionaries.Assign({file});
    const CKeyList strokes(Strokes());
    CDocumentTranslation translation(dictionaries);
    translation.TranslateAll(strokes);
    const CTranscriptFormatter formatter(dictionaries, translation.Translations(), strokes);
    formatter.Format(0, translation.Translations().Count());
    for (std::size_t i = 0; i < translation.Translations().Count(); ++i)
        dictionaries.EntryText(translation.Translations().At(i));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    Translate(bytes);
    Translate("{\\rtf1\\ansi\\cxdict " + bytes);
    return 0;
}
