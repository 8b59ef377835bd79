#pragma once
// The commands that run the editor's own document operations on a file: find,
// replace and go to time, with the same messages the editor shows.

#include <string>
#include <vector>

/// find FILE STENO: index and local time of every stroke with those keys.
int RunFind(const std::vector<std::string>& arguments);
/// replace FILE FIND PUT [-o OUT]: Replace All, saved (safely) when anything changed.
int RunReplace(const std::vector<std::string>& arguments);
/// goto FILE HH:MM:SS: the first stroke written at that time on the file's date.
int RunGoto(const std::vector<std::string>& arguments);
