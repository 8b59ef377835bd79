#include "cli/CliCommand.h"

#include "cli/FileCommands.h"

#include <array>

namespace {

constexpr std::array kCommands = {
    CliCommand{"dump", "FILE", "print every stroke of FILE, one line each", 1, RunDump},
    CliCommand{"resave", "IN OUT", "read IN and write its strokes to OUT as the editor saves them",
               2, RunResave},
    CliCommand{"info", "FILE",
               "print the system name, creation date, stroke count and first and last times", 1,
               RunInfo},
};

} // namespace

std::span<const CliCommand> CliCommands()
{
    return kCommands;
}
