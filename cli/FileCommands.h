#pragma once
// The commands that read and write whole stroke files.

#include <string>
#include <vector>

/// dump FILE: one line per stroke, fields separated by tabs.
int RunDump(const std::vector<std::string>& arguments);
/// resave IN OUT: reads IN and writes its strokes to OUT as a save does.
int RunResave(const std::vector<std::string>& arguments);
/// info FILE: system name, creation date, stroke count, first and last time.
int RunInfo(const std::vector<std::string>& arguments);
