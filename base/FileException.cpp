#include "base/FileException.h"

#include <cstring>

CFileException CFileException::FromErrno(const std::string& strWhat, int nError)
{
    return CFileException(strWhat + ": " + std::strerror(nError));
}
