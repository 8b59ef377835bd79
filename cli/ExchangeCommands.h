#pragma once
// The commands that carry strokes out of a stroke file and into one.

#include <string>
#include <vector>

/// export FILE --format csv|json [-o OUT] [-d DICT]...: one record per stroke;
/// with dictionaries named, each with the text of the translation it begins.
int RunExport(const std::vector<std::string>& arguments);
/// import SOURCE -o OUT.rtf: the open steno engine's strokes as stroke files,
/// one a day.
int RunImport(const std::vector<std::string>& arguments);
