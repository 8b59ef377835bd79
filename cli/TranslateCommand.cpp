#include "cli/TranslateCommand.h"

#include "base/BufferedWriter.h"
#include "base/FileException.h"
#include "cli/CliCommand.h"
#include "cli/CliDictionaries.h"
#include "cli/CliFiles.h"
#include "translation/DocumentTranslation.h"
#include "translation/OutlineNotation.h"
#include "translation/TranscriptFormatter.h"

#include <cstdio>
#include <new>
#include <optional>
#include <unistd.h>

namespace {

using namespace translation;

constexpr const char* kUsage = "Usage: quillmark-cli translate FILE [-d DICT]... [--tsv]\n";

struct TranslateOptions
{
    std::string strFile;
    std::vector<std::filesystem::path> dictionaries;
    bool bTsv = false;
};

std::optional<TranslateOptions> ParseOptions(std::vector<std::string> arguments)
{
    TranslateOptions options;
    auto dictionaries = TakeDictionaryOptions(arguments);
    if (!dictionaries)
        return std::nullopt;
    options.dictionaries = std::move(*dictionaries);
    bool bFile = false;
    for (const std::string& strArgument : arguments) {
        if (strArgument == "--tsv") {
            options.bTsv = true;
        } else if (!bFile && !strArgument.starts_with('-')) {
            options.strFile = strArgument;
            bFile = true;
        } else {
            return std::nullopt;
        }
    }
    if (!bFile)
        return std::nullopt;
    return options;
}

/// Newlines and tabs of an entry's text written as \n and \t, so each stays on its line.
void PutText(base::CBufferedWriter& out, std::string_view text)
{
    for (char ch : text) {
        if (ch == '\n')
            out << std::string_view("\\n");
        else if (ch == '\t')
            out << std::string_view("\\t");
        else if (ch == '\r')
            out << std::string_view("\\r");
        else
            out << ch;
    }
}

void PutTable(base::CBufferedWriter& out, const CDictionaryCollection& dictionaries,
              const CStandingList& list, const IStrokeKeys& strokes)
{
    std::vector<std::uint32_t> positions;
    std::vector<steno::KeyBits> outline;
    for (std::size_t i = 0; i < list.Count(); ++i) {
        const StandingTranslation translation = list.At(i);
        positions.clear();
        list.AppendPositions(i, positions);
        outline.clear();
        for (std::uint32_t nPosition : positions)
            outline.push_back(strokes.Keys(nPosition));
        out << static_cast<std::int64_t>(translation.nFirst) << '\t'
            << static_cast<std::int64_t>(translation.nStrokes) << '\t'
            << std::string_view(OutlineText(outline)) << '\t'
            << std::string_view(translation.IsTranslated() ? "entry" : "untranslated") << '\t';
        PutText(out, dictionaries.EntryText(translation));
        out << '\n';
    }
}

} // namespace

int RunTranslate(const std::vector<std::string>& arguments)
{
    const auto options = ParseOptions(arguments);
    if (!options) {
        std::fputs(kUsage, stderr);
        return kExitUsage;
    }
    StrokeFileHeader header;
    std::vector<CStenoStroke> records;
    bool bSuccess = LoadStrokes(options->strFile, header, records);
    const auto paths = DictionaryPaths(options->dictionaries);
    if (paths.empty())
        std::fputs("quillmark-cli: no dictionary, so every stroke stands untranslated\n", stderr);
    CDictionaryCollection dictionaries;
    bSuccess = LoadDictionaries(paths, dictionaries) && bSuccess;

    const CStrokeRecordKeys strokes(records);
    CDocumentTranslation translation(dictionaries);
    translation.TranslateAll(strokes);
    base::CBufferedWriter out(STDOUT_FILENO);
    if (options->bTsv) {
        PutTable(out, dictionaries, translation.Translations(), strokes);
    } else {
        const CTranscriptFormatter formatter(dictionaries, translation.Translations(), strokes);
        out << std::string_view(formatter.Format(0, translation.Translations().Count()).strText)
            << '\n';
    }
    return FinishOutput(out, bSuccess ? kExitSuccess : kExitFailure);
}
