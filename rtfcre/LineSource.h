#pragma once
// Where the stroke file reader takes its lines from. Lines come as a
// text-mode stream would deliver them: a CR directly before a LF is not part
// of the line, a byte 0x1A ends the file, an unterminated last line is
// delivered and the stream is then no longer good, and a read at the end of
// the file while still good delivers an empty line.

#include <cstdint>
#include <string_view>

namespace rtfcre {

class ILineSource
{
public:
    virtual ~ILineSource() = default;

    /// Back to the start of the file with a good stream, if it is open.
    virtual void Rewind() = 0;
    /// The next line, readable until the next call (or while the source is
    /// open, when it keeps lines). False (line untouched) when the stream is no
    /// longer good.
    virtual bool ReadLine(std::string_view& line) = 0;
    /// Whether every line delivered stays readable while the source is open.
    virtual bool KeepsLines() const = 0;
    /// Bytes of lines already delivered that are not needed in memory now;
    /// reading them again gives the same bytes, if more slowly.
    virtual void Forget(std::string_view bytes) = 0;

    virtual bool Good() const = 0;
    virtual bool IsOpen() const = 0;
    virtual int OpenError() const = 0;
    /// The errno of a failed read, which ended the stream; 0 when none failed.
    virtual int ReadError() const = 0;
    /// Number of the line last delivered, from 1; 0 before the first.
    virtual std::int64_t LineNumber() const = 0;
    /// Bytes of the file consumed by the lines delivered so far.
    virtual std::uint64_t Position() const = 0;
    virtual std::uint64_t FileSize() const = 0;
};

} // namespace rtfcre
