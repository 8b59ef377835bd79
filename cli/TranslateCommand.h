#pragma once
// translate FILE [-d DICT]... [--tsv]: the words of a stroke file, read with the
// dictionaries named (the first of the highest priority) or else the configured ones.

#include <string>
#include <vector>

/// Without --tsv the formatted transcript; with it one line per standing
/// translation: first stroke, stroke count, outline, entry or untranslated, text.
int RunTranslate(const std::vector<std::string>& arguments);
