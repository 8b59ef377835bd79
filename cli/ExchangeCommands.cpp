#include "cli/ExchangeCommands.h"

#include "base/BufferedWriter.h"
#include "cli/CliCommand.h"
#include "cli/CliDictionaries.h"
#include "cli/CliFiles.h"
#include "cli/CliOptions.h"
#include "exchange/DayFiles.h"
#include "exchange/ExportFile.h"
#include "exchange/StrokeImport.h"
#include "exchange/TranslationColumn.h"
#include "translation/DocumentTranslation.h"

#include <cstdio>
#include <exception>
#include <unistd.h>

namespace {

using exchange::ExportFormat;

constexpr std::string_view kExportUsage = "export FILE --format csv|json [-o OUT] [-d DICT]...";

/// The strokes' translation with the dictionaries named, for the export's column.
class CExportTranslation
{
public:
    explicit CExportTranslation(const std::vector<CStenoStroke>& strokes)
        : m_keys(strokes), m_translation(m_dictionaries)
    {
    }

    /// Loads the dictionaries and translates; false when one failed to load.
    bool Translate(const std::vector<std::filesystem::path>& paths)
    {
        const bool bLoaded = LoadDictionaries(paths, m_dictionaries);
        m_translation.TranslateAll(m_keys);
        m_column.emplace(m_dictionaries, m_translation.Translations(), m_keys);
        return bLoaded;
    }

    exchange::TranslationSource Source() const { return m_column->Source(); }

private:
    const translation::CStrokeRecordKeys m_keys;
    translation::CDictionaryCollection m_dictionaries;
    translation::CDocumentTranslation m_translation;
    std::optional<exchange::CTranslationColumn> m_column;
};

std::optional<exchange::ImportedStrokes> ReadSource(const std::string& strSource)
{
    const std::optional<exchange::ImportFormat> format = exchange::ImportFormatOf(strSource);
    if (!format) {
        ReportFileFailure("import", strSource, "not a .log, .tape or .txt file");
        return std::nullopt;
    }
    try {
        return exchange::ImportStrokes(strSource, *format, exchange::StartOfToday());
    } catch (const std::exception& error) {
        ReportFileFailure("import", strSource, error.what());
    }
    return std::nullopt;
}

/// Saves one file a day (OUT itself when there is one day); false after a failure.
bool SaveDays(const std::string& strOut, std::vector<CStenoStroke> strokes)
{
    for (const exchange::DayFile& file : exchange::PlanDayFiles(strOut, std::move(strokes))) {
        if (!SaveStrokes(file.strPath, file.strokes, file.creationTime))
            return false;
        std::printf("%s: %zu stroke(s)\n", file.strPath.c_str(), file.strokes.size());
    }
    return true;
}

} // namespace

int RunExport(const std::vector<std::string>& arguments)
{
    std::vector<std::string> rest = arguments;
    const auto dictionaries = TakeDictionaryOptions(rest);
    const std::optional<CliArguments> split =
        dictionaries ? SplitOptions(rest, {"--format", "-o"}) : std::nullopt;
    const std::optional<ExportFormat> format =
        split ? exchange::ParseExportFormat(split->Option("--format", "")) : std::nullopt;
    if (!format || split->plain.size() != 1)
        return UsageError(kExportUsage);
    StrokeFileHeader header;
    std::vector<CStenoStroke> strokes;
    if (!LoadStrokes(split->plain[0], header, strokes))
        return kExitFailure;
    // The column only when asked for: scripts read the same fields whatever is configured.
    CExportTranslation translation(strokes);
    const bool bLoaded = dictionaries->empty() || translation.Translate(*dictionaries);
    const auto write = [&](base::CBufferedWriter& out) {
        exchange::ExportStrokes(out, *format, strokes, 0,
                                dictionaries->empty() ? nullptr : translation.Source());
    };
    const int nExit = bLoaded ? kExitSuccess : kExitFailure;
    if (split->options.contains("-o"))
        return WriteFileSafely(split->Option("-o", ""), write) ? nExit : kExitFailure;
    base::CBufferedWriter out(STDOUT_FILENO);
    write(out);
    return FinishOutput(out, nExit);
}

int RunImport(const std::vector<std::string>& arguments)
{
    const std::optional<CliArguments> split = SplitOptions(arguments, {"-o"});
    if (!split || split->plain.size() != 1 || !split->options.contains("-o"))
        return UsageError("import SOURCE -o OUT.rtf");
    const std::string& strSource = split->plain[0];
    std::optional<exchange::ImportedStrokes> imported = ReadSource(strSource);
    if (!imported)
        return kExitFailure;
    for (const exchange::SkippedLine& skipped : imported->skipped)
        std::fprintf(stderr, "%s:%lld: skipped: %s\n", strSource.c_str(),
                     static_cast<long long>(skipped.nLine), skipped.strReason.c_str());
    if (imported->strokes.empty()) {
        ReportFileFailure("import", strSource, "no strokes found");
        return kExitFailure;
    }
    const std::size_t nStrokes = imported->strokes.size();
    if (!SaveDays(split->Option("-o", ""), std::move(imported->strokes)))
        return kExitFailure;
    std::printf("%zu stroke(s) imported, %zu line(s) skipped\n", nStrokes,
                imported->skipped.size());
    return kExitSuccess;
}
