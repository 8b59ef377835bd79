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
        : m_previous(std::getenv("XDG_CONFIG_HOME") ? std::getenv("XDG_CONFIG_HOME") : "")
    {
        ::setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
        translation::CDictionarySettings settings;
        settings.SetEntries(std::move(entries));
        settings.Save(translation::CDictionarySettings::SettingsFile());
    }
    CScopedDictionaryList(const CScopedDictionaryList&) = delete;
    CScopedDictionaryList& operator=(const CScopedDictionaryList&) = delete;
    ~CScopedDictionaryList()
    {
        m_previous.empty() ? ::unsetenv("XDG_CONFIG_HOME")
                           : ::setenv("XDG_CONFIG_HOME", m_previous.c_str(), 1);
    }

private:
    std::string m_previous; ///< empty when it was not set
};

} // namespace test_support
