#pragma once
// The commands of quillmark-cli: each is a name, its arguments and a function.
// Adding a command means adding a row to the table in CliCommands.cpp.

#include <span>
#include <string>
#include <string_view>
#include <vector>

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

/// One command of the tool.
struct CliCommand
{
    std::string_view strName;
    std::string_view strArguments; ///< as shown in the usage text
    std::string_view strSummary;
    std::size_t nArguments; ///< at least this many arguments follow the name
    std::size_t nOptional;  ///< and up to this many more, which the command checks
    int (*pRun)(const std::vector<std::string>& arguments);
};

std::span<const CliCommand> CliCommands();

namespace base {
class CBufferedWriter;
}

/// Writes out what a command printed: nExitCode, or a failure when the output
/// could not be written (the reason goes to standard error).
int FinishOutput(base::CBufferedWriter& out, int nExitCode);
