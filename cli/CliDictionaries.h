#pragma once
// The dictionaries of the commands that translate strokes: any number of
// "-d DICT" options, the first named of the highest priority, else the
// configured list. Each command reports them the same way on standard error.

#include "translation/DictionaryCollection.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

/// Takes every "-d DICT" pair out of arguments and gives the DICTs in order;
/// none when a -d has no DICT after it.
std::optional<std::vector<std::filesystem::path>>
TakeDictionaryOptions(std::vector<std::string>& arguments);

/// The dictionaries named, or the enabled ones of the configured list when none
/// is named (a list that cannot be read is reported).
std::vector<std::filesystem::path> DictionaryPaths(const std::vector<std::filesystem::path>& named);

/// Loads the dictionaries, reporting each one that fails and each that left
/// entries out; false when any failed to load.
bool LoadDictionaries(const std::vector<std::filesystem::path>& paths,
                      translation::CDictionaryCollection& dictionaries);
