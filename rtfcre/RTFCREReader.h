#pragma once
// Reads a stroke backup file (RTF/CRE) line by line: the header once, then
// one stroke per call. It is no RTF parser: it finds the literal group
// openings it knows and cuts their contents out of the line by position.

#include "base/LocalDayClock.h"
#include "rtfcre/LineSource.h"
#include "rtfcre/StrokeTexts.h"
#include "steno/StenoStroke.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace rtfcre {
class CLineReader;
}

class CRTFCREReader
{
public:
    /// Thrown by value when a stroke has no time group.
    class CRTFCREReaderException
    {
    };

    /// Opens the file to be read in blocks; one that cannot be opened reads as an empty file.
    explicit CRTFCREReader(const std::filesystem::path& path);
    /// Reads the lines of a source the caller opened and keeps.
    explicit CRTFCREReader(rtfcre::ILineSource& source);
    ~CRTFCREReader();
    CRTFCREReader(const CRTFCREReader&) = delete;
    CRTFCREReader& operator=(const CRTFCREReader&) = delete;

    /// Reads the header from the start of the file; true when both the system
    /// line and the creation line were found, in either order.
    bool ReadHeader(std::wstring& strSystemName, std::wstring& strSystemText);

    /// Finds the next stroke's groups and reads its time; false when no further
    /// stroke is in the file. The texts stay readable until the next call (for
    /// a source that keeps its lines, while it is open). Throws
    /// CRTFCREReaderException for a stroke without a time group, and lets the
    /// time helpers' CStatusException pass.
    bool ScanStroke(StrokeTexts& texts);

    /// ScanStroke, with the texts turned into the caller's buffers.
    bool ReadStroke(std::wstring& strSteno, std::wstring& strRawSteno, std::int64_t& time,
                    KeyValues& keyValues, KeyTimes& keyTimes);

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
    enum EGroup { kSteno, kRaw, kValues, kPairs, kGroupCount };

    void ReadLine();
    bool LookFor(std::string_view opening);
    std::string_view CutGroupText();
    std::string_view GroupText(EGroup group);
    void ReadSystemLine(std::wstring& strSystemName, std::wstring& strSystemText);
    void ReadCreationLine();
    std::int64_t ReadTimeGroup();

    /// Where needle, a character or a text, first occurs in text.
    template <typename Needle> std::size_t Find(std::string_view text, Needle needle);
    bool Holds(std::string_view text, std::string_view opening);
    std::string_view UpTo(std::string_view text, char ch);
    template <typename Needle> std::string_view After(std::string_view text, Needle marker);

    std::unique_ptr<rtfcre::CLineReader> m_pOwnFile;
    rtfcre::ILineSource& m_file;
    int m_nYear = 0;
    int m_nMonth = 0;
    int m_nDay = 0;
    std::string_view m_text; ///< the current text: what is left of the line being read
    bool m_bSystemFound = false;
    bool m_bDateFound = false;
    std::int64_t m_nStrokeLine = 0;
    base::CLocalDayClock m_clock;
    /// A stroke's group texts, copied when the source does not keep its lines.
    std::array<std::string, kGroupCount> m_groupCopies;
};
