#pragma once
// The dictionaries a translation uses, in priority order: an outline's entry is
// the first dictionary's that has it with a non-empty text. Keeps a small filter
// of every longer outline and of its last two and three strokes, so the
// translator can tell at once that no outline ends with the strokes it is
// looking at, without a look-up in each dictionary.

#include "translation/DictionaryFile.h"
#include "translation/StandingTranslation.h"

#include <array>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace translation {

class CDictionaryCollection
{
public:
    /// At most this many dictionaries are used; the ones after are left out.
    static constexpr std::size_t kMaxDictionaries = 254;

    struct Match
    {
        std::uint8_t nDict = kUntranslated;
        CStenoDictionary::EntryId nEntry = 0;
    };

    /// Uses the dictionaries given, the first of the highest priority.
    void Assign(std::vector<std::shared_ptr<const CDictionaryFile>> dictionaries);
    /// Reads the files in priority order. Each that fails is left out with one
    /// message naming the file, the line and the reason; a dictionary that left
    /// entries out adds a message too. Returns the messages.
    std::vector<std::string> Load(const std::vector<std::filesystem::path>& paths);
    /// Reads again each file (also one that failed) whose modification time or
    /// size changed; one that fails now keeps what it held. True when any
    /// dictionary changed; messages as Load's are appended.
    bool ReloadChanged(std::vector<std::string>& messages);

    std::optional<Match> Find(const steno::KeyBits* pStrokes, std::size_t nStrokes,
                              std::uint64_t nHash) const;
    std::optional<Match> Find(steno::KeyBits stroke) const;
    /// Whether an outline of two or more strokes may end with before, last (false
    /// is sure; true may be wrong); and the same for three strokes.
    bool MayEndWith(steno::KeyBits before, steno::KeyBits last) const;
    bool MayEndWith(steno::KeyBits first, steno::KeyBits before, steno::KeyBits last) const;
    /// Whether an outline of two or more strokes with this OutlineHash may have
    /// an entry (false is sure).
    bool MayHave(std::uint64_t nOutlineHash) const { return InFilter(nOutlineHash); }
    /// Whether the stroke's own entry is the engine's undo command (=undo).
    bool IsUndoStroke(steno::KeyBits stroke) const;
    /// Whether the suffix key kSuffixKeys[nPlace] has an entry of its own.
    bool HasSuffix(std::size_t nPlace) const { return m_suffixes[nPlace]; }

    std::size_t LongestOutline() const { return m_nLongest; }
    /// Bytes the dictionaries and the filter hold.
    std::size_t MemoryBytes() const;
    std::size_t Count() const { return m_dictionaries.size(); }
    const CDictionaryFile& Dictionary(std::size_t nDict) const { return *m_dictionaries[nDict]; }
    std::string_view Text(Match match) const;
    /// A standing translation's text as its dictionary writes it, a folded suffix
    /// after a space (cat {^s}); empty when it is untranslated.
    std::string EntryText(const StandingTranslation& translation) const;
    /// The entry a folded suffix key has of its own.
    std::optional<Match> SuffixEntry(std::size_t nPlace) const;

private:
    struct Source
    {
        std::filesystem::path path;
        std::shared_ptr<const CDictionaryFile> file; ///< null while it cannot be read
        FileStamp stamp;                             ///< of the file as last tried
    };

    static bool LoadSource(Source& source, std::vector<std::string>& messages);
    void UseSources();
    void FindUndoStrokes();
    void BuildFilter();
    void AddToFilter(std::uint64_t nHash);
    bool InFilter(std::uint64_t nHash) const;
    std::size_t FilterWord(std::uint64_t nHash) const;
    static std::uint64_t FilterBits(std::uint64_t nHash);

    std::vector<Source> m_sources;
    std::vector<std::shared_ptr<const CDictionaryFile>> m_dictionaries;
    std::vector<std::uint64_t> m_filter;
    std::size_t m_nLongest = 0;
    std::array<bool, kSuffixKeys.size()> m_suffixes{};
    std::vector<steno::KeyBits> m_undoStrokes;
};

} // namespace translation
