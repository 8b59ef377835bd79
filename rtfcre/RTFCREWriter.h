#pragma once
// Writes a stroke backup file (RTF/CRE): a fixed header, five groups per
// stroke, one group a line, and the closing brace. Output is formatted into a
// large buffer and written in big chunks; the first failure of any write or
// close is remembered, so a save learns of it from WriteStroke's false or from
// Finish(), which throws, however late the failure surfaced.

#include "base/BufferedWriter.h"
#include "base/LocalDayClock.h"
#include "steno/StenoStroke.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

class CRTFCREWriter
{
public:
    CRTFCREWriter();
    CRTFCREWriter(const CRTFCREWriter&) = delete;
    CRTFCREWriter& operator=(const CRTFCREWriter&) = delete;
    /// Finishes a file still open (swallowing any failure: call Finish to learn
    /// of it) and closes it. A file without strokes keeps its header and brace.
    ~CRTFCREWriter();

    /// Creates or truncates the file; throws CFileException when it cannot.
    void Open(const std::filesystem::path& path);
    /// Writes to a file the caller opened for writing; the writer closes it.
    void Attach(int nFile, const std::filesystem::path& path);

    /// Writes the header once; throws CFileException when writing fails.
    void WriteHeader(std::wstring_view strSystemName, std::wstring_view strSystemText,
                     std::int64_t time);
    /// Writes one stroke's five groups; false when writing has failed.
    bool WriteStroke(std::wstring_view strSteno, std::wstring_view strRawSteno, std::int64_t time,
                     const KeyValues& keyValues, const KeyTimes& keyTimes);
    /// Writes the closing brace, flushes and closes the file; throws
    /// CFileException when anything written to this file failed.
    void Finish();

private:
    /// Whether anything written to this file failed so far.
    bool Failed();
    void CloseFile();
    void Fail(const char* what, int nError);
    void ThrowIfFailed();

    bool m_bOpen = false;
    int m_file = -1;
    bool m_bHeaderWritten = false;
    // Kept for a file that ends without strokes: such a file keeps its header and brace.
    std::filesystem::path m_strPath;
    bool m_bStrokeWritten = false; ///< a stroke was written completely
    std::string m_strFailure;      ///< the first failure; empty while none
    base::CBufferedWriter m_out;
    base::CLocalDayClock m_clock;
};
