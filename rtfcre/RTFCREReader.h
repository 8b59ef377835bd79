#pragma once
// Reads a stroke backup file (RTF/CRE) line by line: the header once, then
// one stroke per call. It is no RTF parser: it finds the literal group
// openings it knows and cuts their contents out of the line by position.

#include "rtfcre/LineReader.h"
#include "base/LocalDayClock.h"
#include "steno/StenoStroke.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

class CRTFCREReader
{
public:
    /// Thrown by value when a stroke has no time group.
    class CRTFCREReaderException
    {
    };

    /// Opens the file; one that cannot be opened reads as an empty file.
    explicit CRTFCREReader(const std::filesystem::path& path);
    CRTFCREReader(const CRTFCREReader&) = delete;
    CRTFCREReader& operator=(const CRTFCREReader&) = delete;

    /// Reads the header from the start of the file; true when both the system
    /// line and the creation line were found, in either order.
    bool ReadHeader(std::wstring& strSystemName, std::wstring& strSystemText);

    /// Reads the next stroke into the caller's buffers; false when no further
    /// stroke is in the file. Throws CRTFCREReaderException for a stroke without
    /// a time group, and lets the time helpers' CStatusException pass.
    bool ReadStroke(std::wstring& strSteno, std::wstring& strRawSteno, std::int64_t& time,
                    KeyValues& keyValues, KeyTimes& keyTimes);

    void Close() { m_file.Close(); }

    bool IsOpen() const { return m_file.IsOpen(); }
    int OpenError() const { return m_file.OpenError(); }
    int ReadError() const { return m_file.ReadError(); }
    bool HasSystemLine() const { return m_bSystemFound; }
    bool HasCreationLine() const { return m_bDateFound; }
    int Year() const { return m_nYear; }
    int Month() const { return m_nMonth; }
    int Day() const { return m_nDay; }
    /// The line read last, from 1, and the line where the last stroke began.
    std::int64_t LineNumber() const { return m_file.LineNumber(); }
    std::int64_t StrokeLineNumber() const { return m_nStrokeLine; }
    std::uint64_t Position() const { return m_file.Position(); }
    std::uint64_t FileSize() const { return m_file.FileSize(); }

private:
    void ReadLine();
    bool LookFor(std::string_view opening);
    void ReadSystemLine(std::wstring& strSystemName, std::wstring& strSystemText);
    void ReadCreationLine();
    std::int64_t ReadTimeGroup();
    void ReadKeyValues(KeyValues& keyValues) const;
    void ReadKeyTimes(KeyTimes& keyTimes) const;

    rtfcre::CLineReader m_file;
    int m_nYear = 0;
    int m_nMonth = 0;
    int m_nDay = 0;
    std::string_view m_text; ///< the current text: what is left of the line being read
    bool m_bSystemFound = false;
    bool m_bDateFound = false;
    std::int64_t m_nStrokeLine = 0;
    base::CLocalDayClock m_clock;
};
