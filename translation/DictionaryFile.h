#pragma once
// One dictionary as read from its file: its entries, the form it is written in,
// and the file's modification time and size, so a changed file can be read again.

#include "translation/DictionaryError.h"
#include "translation/StenoDictionary.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

namespace translation {

enum class DictionaryFormat { Json, Rtf };

/// What tells a file changed on disk: its modification time and size.
struct FileStamp
{
    std::int64_t nModified = 0; ///< nanoseconds since 1970
    std::int64_t nSize = -1;    ///< -1 when the file could not be looked at

    friend bool operator==(const FileStamp&, const FileStamp&) = default;
    static FileStamp Of(const std::filesystem::path& path);
};

/// The whole file's bytes and its stamp as it was read; throws CDictionaryError
/// ("cannot open: ...") when it cannot be read.
std::string ReadFileBytes(const std::filesystem::path& path, FileStamp& stamp);

class CDictionaryFile
{
public:
    /// Reads the file, RTF/CRE when it starts with {\rtf and JSON otherwise.
    /// Throws CDictionaryError with the line and the reason.
    static std::shared_ptr<const CDictionaryFile> Load(const std::filesystem::path& path);
    /// Reads a dictionary from bytes in memory; path only names it.
    static std::shared_ptr<const CDictionaryFile> Read(std::string bytes,
                                                       const std::filesystem::path& path);

    const std::filesystem::path& Path() const { return m_path; }
    DictionaryFormat Format() const { return m_format; }
    /// The code page of an RTF/CRE dictionary's \'hh bytes.
    int CodePage() const { return m_nCodePage; }
    const CStenoDictionary& Entries() const { return m_entries; }
    const DictionaryNotes& Notes() const { return m_notes; }
    const FileStamp& Stamp() const { return m_stamp; }
    /// Whether the file on disk is no longer the one that was read.
    bool ChangedOnDisk() const { return FileStamp::Of(m_path) != m_stamp; }

private:
    explicit CDictionaryFile(const std::filesystem::path& path) : m_path(path) {}
    void Parse(std::string& bytes);

    std::filesystem::path m_path;
    DictionaryFormat m_format = DictionaryFormat::Json;
    int m_nCodePage = 0;
    CStenoDictionary m_entries;
    DictionaryNotes m_notes;
    FileStamp m_stamp;
};

} // namespace translation
