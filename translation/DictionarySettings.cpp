#include "translation/DictionarySettings.h"

#include "base/BufferedWriter.h"
#include "base/SafeFileReplacement.h"
#include "translation/DictionaryFile.h"
#include "translation/Trimmed.h"

#include <nlohmann/json.hpp>
#include <simdjson.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <pwd.h>
#include <stdexcept>
#include <unistd.h>

namespace translation {

namespace {

constexpr std::string_view kEngineSection = "[System: English Stenotype]";
constexpr std::string_view kEngineKey = "dictionaries";
constexpr std::string_view kAssetPrefix = "asset:plover:assets/";

std::filesystem::path Home()
{
    if (const char* pHome = std::getenv("HOME"); pHome && *pHome)
        return pHome;
    const passwd* pUser = ::getpwuid(::getuid());
    return pUser ? pUser->pw_dir : "/";
}

/// $VARIABLE when it holds an absolute path, else the folder under the home folder.
std::filesystem::path XdgFolder(const char* pVariable, const char* pUnderHome)
{
    if (const char* pValue = std::getenv(pVariable); pValue && *pValue == '/')
        return pValue;
    return Home() / pUnderHome;
}

constexpr std::string_view kBlanks = " \t\r";

/// The value of the dictionaries key in the engine's section of its INI-style
/// configuration, continuation lines (indented) included.
std::optional<std::string> EngineListValue(const std::filesystem::path& file)
{
    std::ifstream in(file);
    std::optional<std::string> value;
    bool bSection = false;
    for (std::string line; std::getline(in, line);) {
        const bool bContinued = !line.empty() && (line[0] == ' ' || line[0] == '\t');
        const std::string_view text = Trimmed(line, kBlanks);
        if (bContinued && value && !text.empty()) {
            *value += '\n';
            *value += text;
            continue;
        }
        if (value)
            break;
        if (text.starts_with('['))
            bSection = text == kEngineSection;
        const std::size_t nSign = text.find_first_of("=:");
        if (bSection && nSign != std::string_view::npos &&
            Trimmed(text.substr(0, nSign), kBlanks) == kEngineKey)
            value = std::string(Trimmed(text.substr(nSign + 1), kBlanks));
    }
    return value;
}

/// Whether a file is there; a folder that cannot be looked into holds none.
bool Exists(const std::filesystem::path& path)
{
    std::error_code error;
    return std::filesystem::exists(path, error);
}

std::filesystem::path EnginePath(std::string_view text, const std::filesystem::path& folder)
{
    if (text.starts_with(kAssetPrefix)) {
        const std::filesystem::path installed =
            std::filesystem::path(CDictionarySettings::kInstalledMain).parent_path() /
            text.substr(kAssetPrefix.size());
        if (Exists(installed))
            return installed;
        return CDictionarySettings::CacheFolder() / text.substr(kAssetPrefix.size());
    }
    if (text.starts_with("~/"))
        return Home() / text.substr(2);
    return folder / text;
}

/// The engine's list, highest priority first, when its configuration names one.
std::optional<std::vector<DictionaryEntry>> EngineList()
{
    const std::filesystem::path folder = XdgFolder("XDG_CONFIG_HOME", ".config") / "plover";
    const auto value = EngineListValue(folder / "plover.cfg");
    if (!value)
        return std::nullopt;
    simdjson::dom::parser parser;
    simdjson::dom::array list;
    if (parser.parse(*value).get_array().get(list) != simdjson::SUCCESS)
        return std::nullopt;
    std::vector<DictionaryEntry> entries;
    for (simdjson::dom::element item : list) {
        std::string_view strPath;
        bool bEnabled = true;
        if (item["path"].get_string().get(strPath) != simdjson::SUCCESS)
            continue;
        if (item["enabled"].get_bool().get(bEnabled) != simdjson::SUCCESS)
            bEnabled = true;
        entries.push_back({EnginePath(strPath, folder), bEnabled});
    }
    return entries;
}

} // namespace

std::filesystem::path CDictionarySettings::SettingsFile()
{
    return XdgFolder("XDG_CONFIG_HOME", ".config") / "Quillmark" / "dictionaries.json";
}

std::filesystem::path CDictionarySettings::CacheFolder()
{
    return XdgFolder("XDG_CACHE_HOME", ".cache") / "quillmark";
}

CDictionarySettings CDictionarySettings::FirstStart()
{
    CDictionarySettings settings;
    if (auto entries = EngineList()) {
        settings.m_entries = std::move(*entries);
        return settings;
    }
    for (const std::filesystem::path& main :
         {std::filesystem::path(kInstalledMain), CacheFolder() / "main.json"}) {
        if (Exists(main)) {
            settings.m_entries.push_back({main, true});
            break;
        }
    }
    return settings;
}

CDictionarySettings CDictionarySettings::Load(const std::filesystem::path& file,
                                              std::string& strMessage)
{
    strMessage.clear();
    if (!Exists(file))
        return FirstStart();
    CDictionarySettings settings;
    try {
        FileStamp stamp;
        std::string bytes = ReadFileBytes(file, stamp);
        settings.Parse(bytes);
        return settings;
    } catch (const CDictionaryError& failure) {
        strMessage =
            "Failed to read the dictionary list '" + file.string() + "': " + failure.what();
    }
    return FirstStart();
}

void CDictionarySettings::Parse(std::string& bytes)
{
    simdjson::dom::parser parser;
    simdjson::dom::element root;
    if (const auto error = parser.parse(bytes).get(root))
        throw CDictionaryError(0, simdjson::error_message(error));
    simdjson::dom::array list;
    if (root["dictionaries"].get_array().get(list) != simdjson::SUCCESS)
        throw CDictionaryError(0, "it has no \"dictionaries\" list");
    for (simdjson::dom::element item : list) {
        std::string_view strPath;
        if (item["path"].get_string().get(strPath) != simdjson::SUCCESS)
            throw CDictionaryError(0, "a dictionary of the list has no \"path\"");
        bool bEnabled = true;
        if (item["enabled"].get_bool().get(bEnabled) != simdjson::SUCCESS)
            bEnabled = true;
        m_entries.push_back({std::filesystem::path(strPath), bEnabled});
    }
    if (root["show_translation"].get_bool().get(m_bShowTranslation) != simdjson::SUCCESS)
        m_bShowTranslation = true;
}

void CDictionarySettings::Save(const std::filesystem::path& file) const
{
    nlohmann::json list = nlohmann::json::array();
    for (const DictionaryEntry& entry : m_entries)
        list.push_back({{"path", entry.path.string()}, {"enabled", entry.bEnabled}});
    const nlohmann::json settings = {{"dictionaries", list},
                                     {"show_translation", m_bShowTranslation}};
    std::filesystem::create_directories(file.parent_path());
    base::CSafeFileReplacement replacement(file.string());
    base::CBufferedWriter out(replacement.TempFile());
    out << std::string_view(settings.dump(2)) << '\n';
    if (!out.Flush())
        throw std::system_error(out.Error(), std::generic_category(),
                                "cannot write " + file.string());
    replacement.Commit();
}

std::vector<std::filesystem::path> CDictionarySettings::EnabledPaths() const
{
    std::vector<std::filesystem::path> paths;
    for (const DictionaryEntry& entry : m_entries)
        if (entry.bEnabled)
            paths.push_back(entry.path);
    return paths;
}

} // namespace translation
