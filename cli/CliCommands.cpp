#include "cli/CliCommand.h"

#include "cli/DocumentCommands.h"
#include "cli/ExchangeCommands.h"
#include "cli/FileCommands.h"
#include "cli/ShiftCommand.h"
#include "cli/StatsCommand.h"
#include "cli/TranslateCommand.h"

#include <array>

namespace {

// Any number of -d DICT pairs may follow; the command checks them.
constexpr std::size_t kDictionaryOptions = 1000;

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
    CliCommand{"stats", "FILE [--json] [--stacked MS] [-d DICT]...",
               "print speed, pauses, misstrokes and per-key values of FILE; with dictionaries "
               "also words per minute, and misstrokes as translations * took back",
               1, kDictionaryOptions, RunStats},
    CliCommand{"shift", "FILE +-HH:MM:SS[.mmm]|HH:MM:SS [--from I] [--to J] [-o OUT]",
               "move the times of strokes I to J (all) by the amount, or make stroke I (0) that "
               "time; save to OUT (FILE)",
               2, 6, RunShift},
    CliCommand{"export", "FILE --format csv|json [-o OUT] [-d DICT]...",
               "write every stroke of FILE as a CSV row or a JSON object (to OUT); with "
               "dictionaries each with the translation it begins",
               1, kDictionaryOptions, RunExport},
    CliCommand{"import", "SOURCE -o OUT.rtf",
               "read a stroke log (.log), paper tape (.txt) or plover2CAT tape (.tape) into "
               "OUT.rtf, one OUT-YYYY-MM-DD.rtf a day when it spans several",
               1, 2, RunImport},
    CliCommand{"translate", "FILE [-d DICT]... [--tsv]",
               "print the words of FILE's strokes, or with --tsv one line per translation", 1,
               kDictionaryOptions, RunTranslate},
};

} // namespace

std::span<const CliCommand> CliCommands()
{
    return kCommands;
}
