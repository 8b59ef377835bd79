#pragma once
// The list of dictionaries in use, highest priority first, kept in
// dictionaries.json under the user's configuration folder
// (~/.config/Quillmark, or $XDG_CONFIG_HOME/Quillmark). Until that file exists
// the list is the first-start one: the open steno engine's own list when its
// configuration exists, else its main dictionary where Debian installs it, else
// the copy scripts/setup keeps in the cache folder, else none.

#include <filesystem>
#include <string>
#include <vector>

namespace translation {

struct DictionaryEntry
{
    std::filesystem::path path;
    bool bEnabled = true;

    friend bool operator==(const DictionaryEntry&, const DictionaryEntry&) = default;
};

class CDictionarySettings
{
public:
    /// The engine's main dictionary where Debian's package installs it.
    static constexpr const char* kInstalledMain = "/usr/share/plover/assets/main.json";

    /// dictionaries.json in the configuration folder.
    static std::filesystem::path SettingsFile();
    /// ~/.cache/quillmark (or $XDG_CACHE_HOME/quillmark), where scripts/setup
    /// keeps a copy of the engine's main dictionary.
    static std::filesystem::path CacheFolder();

    /// The list in the settings file, or the first-start list when there is no
    /// such file. A file that cannot be read gives the first-start list and
    /// strMessage names the file, the line and the reason.
    static CDictionarySettings Load(const std::filesystem::path& file, std::string& strMessage);
    static CDictionarySettings FirstStart();
    /// Writes the settings file, replacing it only once the new one is complete;
    /// throws std::runtime_error (or std::system_error) with the reason.
    void Save(const std::filesystem::path& file) const;

    const std::vector<DictionaryEntry>& Entries() const { return m_entries; }
    void SetEntries(std::vector<DictionaryEntry> entries) { m_entries = std::move(entries); }
    /// Whether the stroke list shows its translation column.
    bool ShowTranslation() const { return m_bShowTranslation; }
    void SetShowTranslation(bool bShow) { m_bShowTranslation = bShow; }
    std::vector<std::filesystem::path> EnabledPaths() const;

private:
    void Parse(std::string& bytes);

    std::vector<DictionaryEntry> m_entries;
    bool m_bShowTranslation = true;
};

} // namespace translation
