#include "cli/CliFiles.h"

#include "base/SafeFileReplacement.h"
#include "rtfcre/StrokeFileSaving.h"

#include <cstdio>
#include <exception>
#include <new>
#include <optional>

namespace {

/// Runs the action; the reason of any failure, none when it succeeded.
template <typename Action> std::optional<std::string> FailureOf(Action action)
{
    try {
        action();
    } catch (const std::bad_alloc&) {
        return "not enough memory";
    } catch (const std::exception& error) {
        return error.what();
    }
    return std::nullopt;
}

} // namespace

void ReportFileFailure(const char* what, const std::string& strPath, const std::string& strReason)
{
    std::fprintf(stderr, "Failed to %s file '%s': %s\n", what, strPath.c_str(), strReason.c_str());
}

bool LoadStrokes(const std::string& strPath, StrokeFileHeader& header,
                 std::vector<CStenoStroke>& strokes)
{
    const std::optional<std::string> failure =
        FailureOf([&] { LoadStrokeFile(strPath, header, strokes); });
    if (failure)
        ReportFileFailure("load", strPath, *failure);
    return !failure;
}

bool SaveStrokes(const std::string& strPath, std::span<const CStenoStroke> strokes,
                 std::time_t creationTime)
{
    const std::optional<std::string> failure =
        FailureOf([&] { SaveStrokeFile(strPath, strokes, creationTime); });
    if (failure)
        ReportFileFailure("save", strPath, *failure);
    return !failure;
}

bool WriteFileSafely(const std::string& strPath,
                     const std::function<void(base::CBufferedWriter& out)>& write)
{
    const std::optional<std::string> failure =
        FailureOf([&] { base::ReplaceFileContent(strPath, write); });
    if (failure)
        ReportFileFailure("save", strPath, *failure);
    return !failure;
}
