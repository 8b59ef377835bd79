#include "cli/TranslateCommand.h"

#include "base/BufferedWriter.h"
#include "base/FileException.h"
#include "cli/CliCommand.h"
#include "cli/CliFiles.h"
#include "translation/DictionarySettings.h"
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

std::optional<TranslateOptions> ParseOptions(const std::vector<std::string>& arguments)
{
    TranslateOptions options;
    bool bFile = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "--tsv") {
            options.bTsv = true;
        } else if (arguments[i] == "-d" && i + 1 < arguments.size()) {
            options.dictionaries.emplace_back(arguments[++i]);
        } else if (!bFile && !arguments[i].starts_with('-')) {
            options.strFile = arguments[i];
            bFile = true;
        } else {
            return std::nullopt;
        }
    }
    if (!bFile)
        return std::nullopt;
    return options;
}

std::vector<std::filesystem::path> ConfiguredDictionaries()
{
    std::string strMessage;
    const auto settings =
        CDictionarySettings::Load(CDictionarySettings::SettingsFile(), strMessage);
    if (!strMessage.empty())
        std::fprintf(stderr, "%s\n", strMessage.c_str());
    return settings.EnabledPaths();
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
    const auto paths =
        options->dictionaries.empty() ? ConfiguredDictionaries() : options->dictionaries;
    if (paths.empty())
        std::fputs("quillmark-cli: no dictionary, so every stroke stands untranslated\n", stderr);
    CDictionaryCollection dictionaries;
    for (const std::string& strMessage : dictionaries.Load(paths))
        std::fprintf(stderr, "%s\n", strMessage.c_str());
    bSuccess = bSuccess && dictionaries.Count() == paths.size();

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
