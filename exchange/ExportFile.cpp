#include "exchange/ExportFile.h"

#include "base/SafeFileReplacement.h"

#include <algorithm>
#include <cctype>
#include <string_view>
#include <utility>

namespace exchange {

ExportFormat ExportFormatOfPath(const std::filesystem::path& path)
{
    std::string strExtension = path.extension().string();
    std::ranges::transform(strExtension, strExtension.begin(),
                           [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    return strExtension == ".json" ? ExportFormat::Json : ExportFormat::Csv;
}

void ExportStrokes(base::CBufferedWriter& out, ExportFormat format,
                   std::span<const CStenoStroke> strokes, std::size_t nFirstIndex,
                   TranslationSource translation)
{
    CStrokeExport exporter(out, format, std::move(translation));
    exporter.Begin();
    for (std::size_t i = 0; i < strokes.size(); ++i)
        exporter.Write(nFirstIndex + i, strokes[i]);
    exporter.End();
}

void ExportStrokeFile(const std::filesystem::path& path, ExportFormat format,
                      std::span<const CStenoStroke> strokes, std::size_t nFirstIndex)
{
    base::ReplaceFileContent(path.native(), [&](base::CBufferedWriter& out) {
        ExportStrokes(out, format, strokes, nFirstIndex);
    });
}

} // namespace exchange
