#pragma once
// The commands that run the editor's own document operations on a file: find,
// replace, go to time and resave, with the same messages the editor shows.

#include <string>
#include <vector>

/// find FILE STENO: index and local time of every stroke with those keys.
int RunFind(const std::vector<std::string>& arguments);
/// replace FILE FIND PUT [-o OUT]: Replace All, saved (safely) when anything changed.
int RunReplace(const std::vector<std::string>& arguments);
/// goto FILE HH:MM:SS: the first stroke written at that time on the file's date.
int RunGoto(const std::vector<std::string>& arguments);
/// resave IN OUT: loads IN and saves its strokes to OUT as the editor does; OUT is
/// replaced only once the whole new file is written.
int RunResave(const std::vector<std::string>& arguments);
