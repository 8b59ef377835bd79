#include "translation/DictionaryListEditor.h"

#include <algorithm>
#include <utility>

namespace translation {

CDictionaryListEditor::CDictionaryListEditor(std::vector<DictionaryEntry> entries)
    : m_entries(std::move(entries))
{
    if (!m_entries.empty())
        m_nSelected = 0;
}

void CDictionaryListEditor::Select(std::optional<std::size_t> nIndex)
{
    m_nSelected = nIndex && *nIndex < m_entries.size() ? nIndex : std::nullopt;
}

void CDictionaryListEditor::Add(const std::filesystem::path& path)
{
    const auto found =
        std::find_if(m_entries.begin(), m_entries.end(),
                     [&](const DictionaryEntry& entry) { return entry.path == path; });
    if (found != m_entries.end()) {
        m_nSelected = static_cast<std::size_t>(found - m_entries.begin());
        return;
    }
    m_entries.insert(m_entries.begin(), {path, true});
    m_nSelected = 0;
}

void CDictionaryListEditor::RemoveSelected()
{
    if (!m_nSelected)
        return;
    m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(*m_nSelected));
    if (m_entries.empty())
        m_nSelected.reset();
    else
        m_nSelected = std::min(*m_nSelected, m_entries.size() - 1);
}

void CDictionaryListEditor::MoveSelected(int nBy)
{
    if (!m_nSelected)
        return;
    const auto nTarget = static_cast<std::ptrdiff_t>(*m_nSelected) + nBy;
    if (nTarget < 0 || nTarget >= static_cast<std::ptrdiff_t>(m_entries.size()))
        return;
    std::swap(m_entries[*m_nSelected], m_entries[static_cast<std::size_t>(nTarget)]);
    m_nSelected = static_cast<std::size_t>(nTarget);
}

void CDictionaryListEditor::Toggle(std::size_t nIndex)
{
    if (nIndex < m_entries.size())
        m_entries[nIndex].bEnabled = !m_entries[nIndex].bEnabled;
}

} // namespace translation
