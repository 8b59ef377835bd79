#pragma once
// The options a command takes beside its plain arguments ("-o OUT", "--from I"):
// each names a value, may stand anywhere after the command's name and is given
// at most once.

#include <cstddef>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct CliArguments
{
    std::vector<std::string> plain;
    std::map<std::string, std::string, std::less<>> options;

    /// The option's value, or fallback when it was not given.
    std::string Option(std::string_view strName, const std::string& fallback) const;
};

/// The arguments split into plain ones and the named options; none when an
/// option is unknown, repeated or lacks its value.
std::optional<CliArguments> SplitOptions(const std::vector<std::string>& arguments,
                                         std::initializer_list<std::string_view> names);

/// A stroke index as the commands print them (decimal, from 0); none for anything else.
std::optional<std::size_t> ParseIndex(std::string_view text);

/// "Usage: quillmark-cli USAGE" on standard error; gives the usage exit code.
int UsageError(std::string_view strUsage);
