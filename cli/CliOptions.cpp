#include "cli/CliOptions.h"

#include "cli/CliCommand.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

std::string CliArguments::Option(std::string_view strName, const std::string& fallback) const
{
    const auto found = options.find(strName);
    return found == options.end() ? fallback : found->second;
}

std::optional<CliArguments> SplitOptions(const std::vector<std::string>& arguments,
                                         std::initializer_list<std::string_view> names)
{
    CliArguments split;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& strArgument = arguments[i];
        if (strArgument.size() < 2 || strArgument[0] != '-' ||
            (strArgument[1] >= '0' && strArgument[1] <= '9')) {
            split.plain.push_back(strArgument); // "-" and negative amounts are plain
            continue;
        }
        const bool bKnown = std::find(names.begin(), names.end(), strArgument) != names.end();
        if (!bKnown || i + 1 == arguments.size() || split.options.contains(strArgument))
            return std::nullopt;
        split.options.emplace(strArgument, arguments[++i]);
    }
    return split;
}

std::optional<std::size_t> ParseIndex(std::string_view text)
{
    std::size_t nIndex = 0;
    const auto [pEnd, error] = std::from_chars(text.data(), text.data() + text.size(), nIndex);
    if (error != std::errc{} || pEnd != text.data() + text.size() || text.empty())
        return std::nullopt;
    return nIndex;
}

int UsageError(std::string_view strUsage)
{
    std::fprintf(stderr, "Usage: quillmark-cli %.*s\n", static_cast<int>(strUsage.size()),
                 strUsage.data());
    return kExitUsage;
}
