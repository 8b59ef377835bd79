#pragma once
// The commands that read whole stroke files and print what they hold.

#include <string>
#include <vector>

/// dump FILE: one line per stroke, fields separated by tabs.
int RunDump(const std::vector<std::string>& arguments);
/// info FILE: system name, creation date, stroke count, first and last time.
int RunInfo(const std::vector<std::string>& arguments);
