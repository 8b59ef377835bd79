#include "translation/DictionaryCollection.h"

#include "translation/OutlineHash.h"

#include <algorithm>
#include <bit>

namespace translation {

namespace {

constexpr std::size_t kFilterBitsPerEntry = 8;
constexpr std::size_t kLeastFilterBits = 1024;

std::uint64_t PairHash(steno::KeyBits before, steno::KeyBits last)
{
    return ExtendOutlineHash(ExtendOutlineHash(0x5851F42D4C957F2D, last), before);
}

std::uint64_t TripleHash(steno::KeyBits first, steno::KeyBits before, steno::KeyBits last)
{
    return ExtendOutlineHash(ExtendOutlineHash(ExtendOutlineHash(0x14057B7EF767814F, last), before),
                             first);
}

/// The engine's undo command (=undo, in any case).
bool IsUndoCommand(std::string_view text)
{
    constexpr std::string_view kUndo = "=undo";
    return text.size() == kUndo.size() &&
           std::equal(text.begin(), text.end(), kUndo.begin(), [](char a, char b) {
               return (a >= 'A' && a <= 'Z' ? a - 'A' + 'a' : a) == b;
           });
}

std::string FailureMessage(const std::filesystem::path& path, const std::string& strReason)
{
    return "Failed to load dictionary '" + path.string() + "': " + strReason;
}

} // namespace

void CDictionaryCollection::Assign(std::vector<std::shared_ptr<const CDictionaryFile>> dictionaries)
{
    m_sources.clear();
    for (auto& file : dictionaries) {
        const FileStamp stamp = file->Stamp();
        m_sources.push_back({file->Path(), std::move(file), stamp});
    }
    UseSources();
}

std::vector<std::string>
CDictionaryCollection::Load(const std::vector<std::filesystem::path>& paths)
{
    std::vector<std::string> messages;
    m_sources.clear();
    for (const auto& path : paths) {
        m_sources.push_back({path, nullptr, {}});
        LoadSource(m_sources.back(), messages);
    }
    UseSources();
    return messages;
}

bool CDictionaryCollection::ReloadChanged(std::vector<std::string>& messages)
{
    bool bChanged = false;
    for (Source& source : m_sources) {
        if (FileStamp::Of(source.path) == source.stamp)
            continue;
        bChanged = LoadSource(source, messages) || bChanged;
    }
    if (bChanged)
        UseSources();
    return bChanged;
}

bool CDictionaryCollection::LoadSource(Source& source, std::vector<std::string>& messages)
{
    source.stamp = FileStamp::Of(source.path);
    try {
        source.file = CDictionaryFile::Load(source.path);
        source.stamp = source.file->Stamp();
    } catch (const CDictionaryError& error) {
        messages.push_back(FailureMessage(source.path, error.what()));
        return false;
    } catch (const std::bad_alloc&) {
        messages.push_back(FailureMessage(source.path, "not enough memory"));
        return false;
    }
    const std::string strNote = source.file->Notes().Message();
    if (!strNote.empty())
        messages.push_back("Dictionary '" + source.path.string() + "': " + strNote);
    return true;
}

void CDictionaryCollection::UseSources()
{
    m_dictionaries.clear();
    m_nLongest = 0;
    for (const Source& source : m_sources) {
        if (!source.file || m_dictionaries.size() == kMaxDictionaries)
            continue;
        m_dictionaries.push_back(source.file);
        m_nLongest = std::max(m_nLongest, source.file->Entries().LongestOutline());
    }
    for (std::size_t i = 0; i < kSuffixKeys.size(); ++i)
        m_suffixes[i] = SuffixEntry(i).has_value();
    FindUndoStrokes();
    BuildFilter();
}

void CDictionaryCollection::FindUndoStrokes()
{
    m_undoStrokes.clear();
    std::vector<steno::KeyBits> strokes;
    for (const auto& dictionary : m_dictionaries) {
        const CStenoDictionary& entries = dictionary->Entries();
        entries.ForEach([&](CStenoDictionary::EntryId nEntry) {
            strokes.clear();
            entries.AppendOutline(nEntry, strokes);
            if (strokes.size() != 1 || !IsUndoCommand(entries.Text(nEntry)))
                return;
            // Only the entry that wins the stroke counts.
            const auto winner = Find(strokes[0]);
            if (winner && IsUndoCommand(Text(*winner)))
                m_undoStrokes.push_back(strokes[0]);
        });
    }
}

bool CDictionaryCollection::IsUndoStroke(steno::KeyBits stroke) const
{
    return std::find(m_undoStrokes.begin(), m_undoStrokes.end(), stroke) != m_undoStrokes.end();
}

std::optional<CDictionaryCollection::Match>
CDictionaryCollection::Find(const steno::KeyBits* pStrokes, std::size_t nStrokes,
                            std::uint64_t nHash) const
{
    for (std::size_t i = 0; i < m_dictionaries.size(); ++i) {
        const CStenoDictionary& entries = m_dictionaries[i]->Entries();
        if (const auto nEntry = entries.Find(pStrokes, nStrokes, nHash))
            return Match{static_cast<std::uint8_t>(i), *nEntry};
    }
    return std::nullopt;
}

std::optional<CDictionaryCollection::Match> CDictionaryCollection::Find(steno::KeyBits stroke) const
{
    return Find(&stroke, 1, ExtendOutlineHash(kOutlineHashSeed, stroke));
}

bool CDictionaryCollection::MayEndWith(steno::KeyBits before, steno::KeyBits last) const
{
    return InFilter(PairHash(before, last));
}

bool CDictionaryCollection::MayEndWith(steno::KeyBits first, steno::KeyBits before,
                                       steno::KeyBits last) const
{
    return InFilter(TripleHash(first, before, last));
}

std::string_view CDictionaryCollection::Text(Match match) const
{
    return m_dictionaries[match.nDict]->Entries().Text(match.nEntry);
}

std::optional<CDictionaryCollection::Match>
CDictionaryCollection::SuffixEntry(std::size_t nPlace) const
{
    return Find(steno::KeyBit(kSuffixKeys[nPlace]));
}

std::string CDictionaryCollection::EntryText(const StandingTranslation& translation) const
{
    if (!translation.IsTranslated())
        return {};
    std::string text(Text({translation.nDict, translation.nEntry}));
    if (translation.nSuffix != 0) {
        text += ' ';
        text += Text(*SuffixEntry(translation.nSuffix - 1u));
    }
    return text;
}

std::size_t CDictionaryCollection::MemoryBytes() const
{
    std::size_t nBytes = m_filter.capacity() * sizeof(std::uint64_t);
    for (const auto& dictionary : m_dictionaries)
        nBytes += dictionary->Entries().MemoryBytes();
    return nBytes;
}

void CDictionaryCollection::BuildFilter()
{
    std::size_t nEntries = 0;
    for (const auto& dictionary : m_dictionaries)
        nEntries += dictionary->Entries().Count();
    const std::size_t nBits =
        std::bit_ceil(std::max(kLeastFilterBits, nEntries * kFilterBitsPerEntry));
    m_filter.assign(nBits / 64, 0);
    std::vector<steno::KeyBits> strokes;
    for (const auto& dictionary : m_dictionaries) {
        const CStenoDictionary& entries = dictionary->Entries();
        entries.ForEach([&](CStenoDictionary::EntryId nEntry) {
            strokes.clear();
            entries.AppendOutline(nEntry, strokes);
            const std::size_t n = strokes.size();
            if (n < 2 || entries.Text(nEntry).empty())
                return;
            AddToFilter(OutlineHash(strokes.data(), n));
            AddToFilter(PairHash(strokes[n - 2], strokes[n - 1]));
            if (n >= 3)
                AddToFilter(TripleHash(strokes[n - 3], strokes[n - 2], strokes[n - 1]));
        });
    }
}

// Two bits a key in one word of the filter, so a check reads memory once: the
// word from the hash's low half, the bits from its high half.
void CDictionaryCollection::AddToFilter(std::uint64_t nHash)
{
    m_filter[FilterWord(nHash)] |= FilterBits(nHash);
}

bool CDictionaryCollection::InFilter(std::uint64_t nHash) const
{
    if (m_filter.empty())
        return false;
    const std::uint64_t nBits = FilterBits(nHash);
    return (m_filter[FilterWord(nHash)] & nBits) == nBits;
}

std::size_t CDictionaryCollection::FilterWord(std::uint64_t nHash) const
{
    return static_cast<std::size_t>(nHash & (m_filter.size() - 1));
}

std::uint64_t CDictionaryCollection::FilterBits(std::uint64_t nHash)
{
    return std::uint64_t{1} << ((nHash >> 40) & 63) | std::uint64_t{1} << ((nHash >> 52) & 63);
}

} // namespace translation
