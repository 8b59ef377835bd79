#pragma once
// The stats command: the statistics of a whole stroke file, as text or JSON.

#include <string>
#include <vector>

/// stats FILE [--json] [--stacked MS]: speed, pauses, misstrokes and keys of FILE;
/// MS is the key-down spread above which a stroke counts as possibly stacked.
int RunStats(const std::vector<std::string>& arguments);
