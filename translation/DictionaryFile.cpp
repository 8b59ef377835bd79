#include "translation/DictionaryFile.h"

#include "translation/JsonDictionaryReader.h"
#include "translation/RtfDictionaryReader.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace translation {

namespace {

constexpr std::int64_t kNanosecondsPerSecond = 1000000000;

FileStamp StampOf(const struct stat& status)
{
    return {static_cast<std::int64_t>(status.st_mtim.tv_sec) * kNanosecondsPerSecond +
                status.st_mtim.tv_nsec,
            static_cast<std::int64_t>(status.st_size)};
}

[[noreturn]] void FailFile(const char* what, int nError)
{
    throw CDictionaryError(0, std::string(what) + ": " + std::strerror(nError));
}

} // namespace

std::string ReadFileBytes(const std::filesystem::path& path, FileStamp& stamp)
{
    const int nFile = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (nFile < 0)
        FailFile("cannot open", errno);
    struct stat status
    {
    };
    std::string bytes;
    int nError = ::fstat(nFile, &status) == 0 ? 0 : errno;
    if (nError == 0 && !S_ISREG(status.st_mode))
        nError = EISDIR;
    if (nError == 0) {
        stamp = StampOf(status);
        bytes.resize(static_cast<std::size_t>(status.st_size));
        std::size_t nRead = 0;
        while (nRead < bytes.size()) {
            const ssize_t n = ::read(nFile, bytes.data() + nRead, bytes.size() - nRead);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                nError = n < 0 ? errno : 0;
                bytes.resize(nRead);
                break;
            }
            nRead += static_cast<std::size_t>(n);
        }
    }
    ::close(nFile);
    if (nError != 0)
        FailFile("cannot read", nError);
    return bytes;
}

namespace {

bool IsRtf(std::string_view bytes)
{
    const std::size_t nStart = bytes.find_first_not_of(" \t\r\n");
    return nStart != std::string_view::npos && bytes.substr(nStart).starts_with("{\\rtf");
}

} // namespace

FileStamp FileStamp::Of(const std::filesystem::path& path)
{
    struct stat status
    {
    };
    if (::stat(path.c_str(), &status) != 0)
        return {};
    return StampOf(status);
}

std::shared_ptr<const CDictionaryFile> CDictionaryFile::Load(const std::filesystem::path& path)
{
    std::shared_ptr<CDictionaryFile> file(new CDictionaryFile(path));
    std::string bytes = ReadFileBytes(path, file->m_stamp);
    file->Parse(bytes);
    return file;
}

std::shared_ptr<const CDictionaryFile> CDictionaryFile::Read(std::string bytes,
                                                             const std::filesystem::path& path)
{
    std::shared_ptr<CDictionaryFile> file(new CDictionaryFile(path));
    file->Parse(bytes);
    return file;
}

void CDictionaryFile::Parse(std::string& bytes)
{
    if (IsRtf(bytes)) {
        m_format = DictionaryFormat::Rtf;
        m_nCodePage = ReadRtfDictionary(bytes, m_entries, m_notes);
    } else {
        ReadJsonDictionary(bytes, m_entries, m_notes);
    }
    m_entries.Finish();
}

} // namespace translation
