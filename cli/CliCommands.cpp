#include "cli/CliCommand.h"

#include "cli/DocumentCommands.h"
#include "cli/FileCommands.h"
#include "cli/TranslateCommand.h"

#include <array>

namespace {

// Any number of -d DICT pairs may follow; the command checks them.
constexpr std::size_t kTranslateOptions = 1000;

constexpr std::array kCommands = {
    CliCommand{"dump", "FILE", "print every stroke of FILE, one line each", 1, 0, RunDump},
    CliCommand{"resave", "IN OUT", "read IN and write its strokes to OUT as the editor saves them",
               2, 0, RunResave},
    CliCommand{"info", "FILE",
               "print the system name, creation date, stroke count and first and last times", 1, 0,
               RunInfo},
    CliCommand{"find", "FILE STENO", "print the index and time of every stroke with STENO's keys",
               2, 0, RunFind},
    CliCommand{"replace", "FILE FIND PUT [-o OUT]",
               "give every stroke with FIND's keys PUT's keys; save to OUT (FILE) if any changed",
               3, 2, RunReplace},
    CliCommand{"goto", "FILE HH:MM:SS", "print the index of the first stroke written at that time",
               2, 0, RunGoto},
    CliCommand{"translate", "FILE [-d DICT]... [--tsv]",
               "print the words of FILE's strokes, or with --tsv one line per translation", 1,
               kTranslateOptions, RunTranslate},
};

} // namespace

std::span<const CliCommand> CliCommands()
{
    return kCommands;
}
