#pragma once
// Helpers for tests that write and read real files: a scratch folder that
// removes itself, a fixed local time zone, stroke files written by hand, and a
// way to run part of a test in a child process, as an ordinary user if need be.
// These tests run as root, which ignores file permissions, so a permission case
// proves nothing unless it drops them.

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <grp.h>
#include <iterator>
#include <optional>
#include <pwd.h>
#include <set>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace test_support {

/// A fresh folder under the system's temporary directory, removed with its files.
class CTempFolder
{
public:
    CTempFolder()
    {
        std::string strTemplate =
            (std::filesystem::temp_directory_path() / "quillmark-test-XXXXXX").string();
        if (::mkdtemp(strTemplate.data()) == nullptr)
            throw std::runtime_error("mkdtemp failed");
        m_path = strTemplate;
    }
    CTempFolder(const CTempFolder&) = delete;
    CTempFolder& operator=(const CTempFolder&) = delete;
    ~CTempFolder()
    {
        std::error_code error;
        std::filesystem::remove_all(m_path, error);
    }

    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path Path(const std::string& strName) const { return m_path / strName; }
    std::string operator/(const std::string& strName) const { return Path(strName).string(); }

    /// Writes the bytes as they are to a file of the folder and gives its path.
    std::filesystem::path Write(const std::string& strName, const std::string& bytes) const
    {
        const auto path = Path(strName);
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    /// Names of everything in the folder, hidden files included.
    std::set<std::string> Names() const
    {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_path))
            names.insert(entry.path().filename().string());
        return names;
    }

private:
    std::filesystem::path m_path;
};

} // namespace test_support

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

namespace test_support {

inline void WriteBytes(const std::filesystem::path& path, const std::string& strBytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << strBytes;
}

// Stroke files as the writer lays them out, for tests that read them.

/// The header lines, dated as in "\\yr2024\\mo5\\da3".
inline std::string HeaderText(const std::string& strDate = "\\yr2024\\mo5\\da3")
{
    return "{\\rtf1\\pc\n{\\*\\cxrev100}\n{\\*\\cxnotes}\n"
           "{\\*\\cxsystem {\\i Corvane writer} Ardentide Inc}\n{\\info\n{\\creatim" +
           strDate + "}\n}\n";
}

inline const std::string kZeroValues = "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0";
inline const std::string kZeroPairs = "0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 "
                                      "0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0";
// Key values and times that differ at both ends, so a load that drops them shows.
inline const std::string kSampleValues = "2 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 7";
inline const std::string kSamplePairs = "5,6 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 "
                                        "0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,-1";

/// One stroke's groups a line each; an empty time leaves its group out.
inline std::string StrokeLines(const std::string& strSteno, const std::string& strRaw,
                               const std::string& strTime,
                               const std::string& strValues = kSampleValues,
                               const std::string& strPairs = kSamplePairs)
{
    std::string strText = "{\\*\\cxs " + strSteno + "}\n{\\*\\cxsf " + strRaw + "}\n";
    if (!strTime.empty())
        strText += "{\\*\\cxt " + strTime + "}\n";
    return strText + "{\\*\\cxsp " + strValues + "}\n{\\*\\cxspt " + strPairs + "}\n";
}

/// One stroke of a hand-written file: its steno texts and time group.
struct FileStroke
{
    std::string strSteno;
    std::string strRaw;
    std::string strTime; ///< as in the time group, e.g. "9:5:7:0"; empty: no time group
};

/// A whole file: header, the strokes, the closing brace.
inline std::string StrokeFileText(const std::vector<FileStroke>& strokes,
                                  const std::string& strDate = "\\yr2024\\mo3\\da5")
{
    std::string strText = HeaderText(strDate);
    for (const FileStroke& stroke : strokes)
        strText += StrokeLines(stroke.strSteno, stroke.strRaw, stroke.strTime);
    return strText + "}\r\n";
}

/// Runs body in a child process as "nobody" (as is when not root) and returns
/// its result, or -1 when the child could not be run or did not exit normally.
inline int RunAsNobody(const std::function<int()>& body)
{
    const pid_t pid = fork();
    if (pid < 0)
        return -1;
    if (pid == 0) {
        if (geteuid() == 0) {
            const passwd* pUser = getpwnam("nobody");
            const group* pGroup = getgrnam("nogroup");
            if (pUser == nullptr || setgroups(0, nullptr) != 0 ||
                setgid(pGroup != nullptr ? pGroup->gr_gid : pUser->pw_gid) != 0 ||
                setuid(pUser->pw_uid) != 0)
                _exit(125);
        }
        int nResult = 124;
        try {
            nResult = body();
        } catch (...) {
        }
        _exit(nResult);
    }
    int nStatus = 0;
    if (waitpid(pid, &nStatus, 0) != pid || !WIFEXITED(nStatus))
        return -1;
    return WEXITSTATUS(nStatus);
}

} // namespace test_support
