#pragma once
// A configuration folder of a test's own: while it lives XDG_CONFIG_HOME names
// it (the tool a test runs inherits that) and its dictionary list holds the
// entries given, so what the machine configured or installed stays out.

#include "translation/DictionarySettings.h"

#include <cstdlib>
#include <optional>
#include <string>

namespace test_support {

class CScopedDictionaryList
{
public:
    CScopedDictionaryList(const std::filesystem::path& folder,
                          std::vector<translation::DictionaryEntry> entries)
    {
        ::setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
        translation::CDictionarySettings settings;
        settings.SetEntries(std::move(entries));
        settings.Save(translation::CDictionarySettings::SettingsFile());
    }
    ~CScopedDictionaryList()
    {
        m_previous ? ::setenv("XDG_CONFIG_HOME", m_previous->c_str(), 1)
                   : ::unsetenv("XDG_CONFIG_HOME");
    }
    CScopedDictionaryList(const CScopedDictionaryList&) = delete;
    CScopedDictionaryList& operator=(const CScopedDictionaryList&) = delete;

private:
    const std::optional<std::string> m_previous =
        std::getenv("XDG_CONFIG_HOME") ? std::optional<std::string>(std::getenv("XDG_CONFIG_HOME"))
                                       : std::nullopt;
};

} // namespace test_support
