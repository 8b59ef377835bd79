#pragma once
// Why a dictionary could not be read, with the line of the file where reading
// stopped (0 when the failure is not at a place in the file, as a missing file).

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace translation {

class CDictionaryError : public std::runtime_error
{
public:
    CDictionaryError(std::size_t nLine, const std::string& strReason)
        : std::runtime_error(nLine == 0 ? strReason
                                        : "line " + std::to_string(nLine) + ": " + strReason),
          m_nLine(nLine)
    {
    }

    std::size_t Line() const { return m_nLine; }

    /// The line of bytes that holds offset nOffset, from 1.
    static std::size_t LineAt(std::string_view bytes, std::size_t nOffset);

private:
    std::size_t m_nLine;
};

/// Entries a dictionary left out because their outlines are not steno; the
/// dictionary itself loads.
struct DictionaryNotes
{
    std::size_t nSkipped = 0;
    std::size_t nFirstLine = 0;
    std::string strFirstOutline;

    void Skip(std::size_t nLine, std::string_view strOutline);
    /// One sentence for the user; empty when nothing was left out.
    std::string Message() const;
};

} // namespace translation
