#pragma once
// The Dictionaries dialog's rules over its copy of the list, highest priority
// first: adding (at the top, so a new dictionary wins over the ones there), removing,
// moving up and down, enabling and disabling, and which entry is selected.

#include "translation/DictionarySettings.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <vector>

namespace translation {

class CDictionaryListEditor
{
public:
    explicit CDictionaryListEditor(std::vector<DictionaryEntry> entries = {});

    const std::vector<DictionaryEntry>& Entries() const { return m_entries; }
    std::optional<std::size_t> Selected() const { return m_nSelected; }
    /// Selects the entry; an index past the last selects nothing.
    void Select(std::optional<std::size_t> nIndex);

    /// Puts the dictionary first, enabled, and selects it; one already in the
    /// list is only selected.
    void Add(const std::filesystem::path& path);
    /// Removes the selected entry and selects the one that takes its place
    /// (the new last one after removing the last).
    void RemoveSelected();
    /// Moves the selected entry one place up (nBy -1) or down (+1), within the list.
    void MoveSelected(int nBy);
    /// Enables a disabled entry and disables an enabled one.
    void Toggle(std::size_t nIndex);

private:
    std::vector<DictionaryEntry> m_entries;
    std::optional<std::size_t> m_nSelected;
};

} // namespace translation
