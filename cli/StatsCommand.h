#pragma once
// The stats command: the statistics of a whole stroke file, as text or JSON.

#include <string>
#include <vector>

/// stats FILE [--json] [--stacked MS] [-d DICT]...: speed, pauses, misstrokes and
/// keys of FILE; MS is the key-down spread above which a stroke counts as possibly
/// stacked. With dictionaries (named, else the configured ones) it also counts
/// words per minute and takes the misstrokes from the translations * took back.
int RunStats(const std::vector<std::string>& arguments);
