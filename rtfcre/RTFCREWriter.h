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
    /// A local time of day as the time group writes it.
    struct TimeOfDay
    {
        int nHour = 0;
        int nMinute = 0;
        int nSecond = 0;
    };

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
    /// Writes strokes formatted with FormatStroke, in one write of their own;
    /// false when writing has failed.
    bool WriteFormatted(std::string_view strokes);

    /// The most bytes FormatStroke puts for steno texts of these lengths: the
    /// texts, 129 bytes of fixed text and separators, and room for 75 numbers
    /// (three time fields, 24 values, 24 pairs).
    static constexpr std::size_t StrokeRoom(std::size_t nSteno, std::size_t nRawSteno)
    {
        return nSteno + nRawSteno + 160 + 75 * base::CBufferedWriter::kNumberRoom;
    }
    /// Puts one stroke's five groups at pOut, as WriteStroke writes them, with
    /// the time already split into the local time of day; gives the end.
    static char* FormatStroke(char* pOut, std::wstring_view strSteno, std::wstring_view strRawSteno,
                              const TimeOfDay& time, const KeyValues& keyValues,
                              const KeyTimes& keyTimes);
    /// Writes the closing brace, flushes and closes the file; throws
    /// CFileException when anything written to this file failed.
    void Finish();

private:
    /// Writes the header of an unknown writer if none was written; false when that failed.
    bool HeaderWritten();
    /// Whether anything written to this file failed so far.
    bool Failed();
    void CloseFile();
    void Fail(const char* what, int nError);
    void ThrowIfFailed();

    bool m_bOpen = false;
    int m_file = -1;
    bool m_bHeaderWritten = false;
    std::filesystem::path m_strPath;
    std::string m_strFailure; ///< the first failure; empty while none
    base::CBufferedWriter m_out;
    base::CLocalDayClock m_clock;
};
