#include "cli/CliDictionaries.h"

#include "translation/DictionarySettings.h"

#include <cstdio>

std::optional<std::vector<std::filesystem::path>>
TakeDictionaryOptions(std::vector<std::string>& arguments)
{
    std::vector<std::filesystem::path> paths;
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] != "-d") {
            rest.push_back(std::move(arguments[i]));
            continue;
        }
        if (i + 1 == arguments.size())
            return std::nullopt;
        paths.emplace_back(arguments[++i]);
    }
    arguments = std::move(rest);
    return paths;
}

std::vector<std::filesystem::path> DictionaryPaths(const std::vector<std::filesystem::path>& named)
{
    if (!named.empty())
        return named;
    using translation::CDictionarySettings;
    std::string strMessage;
    const auto settings =
        CDictionarySettings::Load(CDictionarySettings::SettingsFile(), strMessage);
    if (!strMessage.empty())
        std::fprintf(stderr, "%s\n", strMessage.c_str());
    return settings.EnabledPaths();
}

bool LoadDictionaries(const std::vector<std::filesystem::path>& paths,
                      translation::CDictionaryCollection& dictionaries)
{
    for (const std::string& strMessage : dictionaries.Load(paths))
        std::fprintf(stderr, "%s\n", strMessage.c_str());
    return dictionaries.Count() == paths.size();
}
