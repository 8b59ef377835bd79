#pragma once
// A failure to read or write a stroke file, with a reason a user can act on
// ("cannot open: No such file or directory", "no time group for the stroke at line 12").

#include <stdexcept>
#include <string>

class CFileException : public std::runtime_error
{
public:
    explicit CFileException(const std::string& strReason) : std::runtime_error(strReason) {}

    /// A reason followed by the system's text for an errno value.
    static CFileException FromErrno(const std::string& strWhat, int nError);
};
