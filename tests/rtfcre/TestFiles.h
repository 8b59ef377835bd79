#pragma once
// Helpers for tests that write and read real files: a temporary directory that
// removes itself, and a fixed local time zone for the duration of a test.

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>

/// A fresh directory under the system's temporary directory, removed with its files.
class CTempDirectory
{
public:
    CTempDirectory()
    {
        std::string strTemplate =
            (std::filesystem::temp_directory_path() / "quillmark-test-XXXXXX").string();
        if (::mkdtemp(strTemplate.data()) == nullptr)
            throw std::runtime_error("mkdtemp failed");
        m_path = strTemplate;
    }
    CTempDirectory(const CTempDirectory&) = delete;
    CTempDirectory& operator=(const CTempDirectory&) = delete;
    ~CTempDirectory()
    {
        std::error_code error;
        std::filesystem::remove_all(m_path, error);
    }

    std::filesystem::path Path(const std::string& strName) const { return m_path / strName; }

    /// Writes the bytes as they are to a file of the directory and gives its path.
    std::filesystem::path Write(const std::string& strName, const std::string& bytes) const
    {
        const auto path = Path(strName);
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

private:
    std::filesystem::path m_path;
};

inline std::string ReadBytes(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

/// Sets TZ for its lifetime and puts the previous value back.
class CScopedTimeZone
{
public:
    explicit CScopedTimeZone(const char* zone)
    {
        if (const char* previous = std::getenv("TZ"))
            m_previous = previous;
        ::setenv("TZ", zone, 1);
        ::tzset();
    }
    CScopedTimeZone(const CScopedTimeZone&) = delete;
    CScopedTimeZone& operator=(const CScopedTimeZone&) = delete;
    ~CScopedTimeZone()
    {
        if (m_previous)
            ::setenv("TZ", m_previous->c_str(), 1);
        else
            ::unsetenv("TZ");
        ::tzset();
    }

private:
    std::optional<std::string> m_previous;
};

inline constexpr const char* kUtcZone = "UTC0";
inline constexpr const char* kEasternZone = "EST5EDT,M3.2.0,M11.1.0";
