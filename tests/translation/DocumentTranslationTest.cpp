// Translating again after a change must give what translating the whole
// document afresh gives, and report the translations that changed.
#include "tests/translation/TranslationFixture.h"

#include <random>

using namespace translation_test;

namespace {

constexpr std::size_t kStrokes = 3000;
constexpr int kEdits = 150;

/// Few strokes and many outlines over them, so that strokes join often and a
/// change moves boundaries far; * runs cross the reach of undo.
class CEditedDocument
{
public:
    CEditedDocument()
    {
        std::string strEntries = R"({"S": "s", "T": "t", "K": "k", "P": "p", "W": "w")";
        for (const char* pOutline :
             {"S/T", "T/K/P", "K/K", "P/W/S/T", "W/W/W", "S/S/S/S/S/S", "T/*", "K/-S", "-S", "-Z"})
            strEntries += std::string(R"(, ")") + pOutline + R"(": ")" + pOutline + R"(")";
        m_dictionaries.Assign({Json(strEntries + "}")});
        while (m_keys.size() < kStrokes)
            AppendRandom(m_keys, 1 + m_random() % 4, m_keys.end());
    }

    /// Inserts, deletes or replaces a few strokes somewhere; the change made.
    StrokeChange Edit()
    {
        const auto nFirst = static_cast<std::uint32_t>(m_random() % (m_keys.size() + 1));
        const auto nRemoved = static_cast<std::uint32_t>(
            std::min<std::size_t>(m_random() % 4, m_keys.size() - nFirst));
        const std::size_t nAdded = m_random() % 4;
        m_keys.erase(m_keys.begin() + nFirst, m_keys.begin() + nFirst + nRemoved);
        AppendRandom(m_keys, nAdded, m_keys.begin() + nFirst);
        return {nFirst, nFirst + nRemoved, static_cast<std::uint32_t>(nFirst + nAdded)};
    }

    const CDictionaryCollection& Dictionaries() const { return m_dictionaries; }
    const std::vector<steno::KeyBits>& Keys() const { return m_keys; }

private:
    void AppendRandom(std::vector<steno::KeyBits>& keys, std::size_t nCount,
                      std::vector<steno::KeyBits>::iterator where)
    {
        static const std::vector<steno::KeyBits> kAlphabet = Strokes("S T K P W -S -Z TK * _");
        std::vector<steno::KeyBits> added;
        for (std::size_t i = 0; i < nCount; ++i) {
            if (m_random() % 500 == 0)
                added.insert(added.end(), 120, steno::KeyBit(steno::kKeyStar));
            added.push_back(kAlphabet[m_random() % kAlphabet.size()]);
        }
        keys.insert(where, added.begin(), added.end());
    }

    CDictionaryCollection m_dictionaries;
    std::vector<steno::KeyBits> m_keys;
    std::mt19937 m_random{17};
};

/// A translation's entry and stroke positions.
using Placed = std::pair<std::uint32_t, std::vector<std::int64_t>>;

std::vector<Placed> Placements(const CStandingList& list)
{
    std::vector<Placed> placed;
    for (std::size_t i = 0; i < list.Count(); ++i) {
        std::vector<std::uint32_t> positions;
        list.AppendPositions(i, positions);
        const StandingTranslation translation = list.At(i);
        placed.emplace_back(translation.IsTranslated() ? translation.nEntry : 0xFFFFFFFF,
                            std::vector<std::int64_t>(positions.begin(), positions.end()));
    }
    return placed;
}

Placed Moved(Placed placed, const StrokeChange& change)
{
    for (std::int64_t& nPosition : placed.second) {
        if (nPosition >= change.nOldEnd)
            nPosition += std::int64_t{change.nNewEnd} - change.nOldEnd;
        else if (nPosition >= change.nFirst)
            nPosition = -1; // a changed stroke cannot stand as it stood
    }
    return placed;
}

/// Outside the reported range stand the old translations, the strokes after
/// the change moved by its length.
::testing::AssertionResult OnlyReportedChanged(const std::vector<Placed>& old,
                                               const CStandingList& list,
                                               const StrokeChange& change,
                                               const TranslationChange& changed)
{
    const std::vector<Placed> now = Placements(list);
    if (old.size() - changed.nOldCount != now.size() - changed.nNewCount)
        return ::testing::AssertionFailure() << "counts do not add up";
    for (std::size_t i = 0; i < now.size(); ++i) {
        if (i >= changed.nFirst && i < changed.nFirst + changed.nNewCount)
            continue;
        const std::size_t nOld = i < changed.nFirst ? i : i - changed.nNewCount + changed.nOldCount;
        if (Moved(old[nOld], change) != now[i])
            return ::testing::AssertionFailure() << "translation " << i << " changed unreported";
    }
    return ::testing::AssertionSuccess();
}

} // namespace

TEST(DocumentTranslation, TranslatingAgainAfterAChangeEqualsTranslatingAfresh)
{
    CEditedDocument document;
    CDocumentTranslation translation(document.Dictionaries());
    translation.TranslateAll(CKeyList(document.Keys()));
    for (int nEdit = 0; nEdit < kEdits; ++nEdit) {
        const std::vector<Placed> old = Placements(translation.Translations());
        const StrokeChange change = document.Edit();
        const CKeyList strokes(document.Keys());
        const TranslationChange changed = translation.Retranslate(strokes, change);
        CDocumentTranslation fresh(document.Dictionaries());
        fresh.TranslateAll(strokes);
        const auto lines = Lines(document.Dictionaries(), translation.Translations(), strokes);
        ASSERT_EQ(lines, Lines(document.Dictionaries(), fresh.Translations(), strokes)) << nEdit;

        ASSERT_TRUE(OnlyReportedChanged(old, translation.Translations(), change, changed)) << nEdit;
    }
}

// Equal strokes on both sides of an insert look alike, but the translations
// before it must not be taken for moved ones.
TEST(DocumentTranslation, ReportsEveryTranslationWhoseStrokesChanged)
{
    CDictionaryCollection dictionaries;
    dictionaries.Assign({Json(R"({"S": "s"})")});
    std::vector<steno::KeyBits> keys(2000, steno::KeyBit(steno::kKeyLeftS));
    CDocumentTranslation translation(dictionaries);
    translation.TranslateAll(CKeyList(keys));
    const std::vector<Placed> old = Placements(translation.Translations());
    keys.insert(keys.begin() + 1000, steno::KeyBit(steno::kKeyLeftS));
    const StrokeChange change{1000, 1000, 1001};
    const TranslationChange changed = translation.Retranslate(CKeyList(keys), change);
    EXPECT_TRUE(OnlyReportedChanged(old, translation.Translations(), change, changed));
}

TEST(DocumentTranslation, FindsTheTranslationOfAStrokeAndTheNextUntranslated)
{
    CDictionaryCollection dictionaries;
    dictionaries.Assign({Json(R"({"TKOG": "dog", "TKOG/-S": "dogs", "-Z": "{^z}"})")});
    const auto keys = Strokes("STPH TKO-G -Z * -S _ KA-T STPH");
    CDocumentTranslation translation(dictionaries);
    translation.TranslateAll(CKeyList(keys));
    const CStandingList& list = translation.Translations();
    ASSERT_EQ(list.Count(), 4u);
    // Strokes 2 and 3 were taken back, stroke 5 has no keys.
    const std::vector<std::optional<std::pair<std::size_t, bool>>> covers = {
        std::pair(0, true),  std::pair(1, true), std::nullopt,       std::nullopt,
        std::pair(1, false), std::nullopt,       std::pair(2, true), std::pair(3, true)};
    for (std::uint32_t i = 0; i < keys.size(); ++i) {
        const auto cover = list.CoverOf(i);
        EXPECT_EQ(cover ? std::optional(std::pair(cover->nTranslation, cover->bFirst))
                        : std::nullopt,
                  covers[i])
            << i;
    }
    EXPECT_EQ(translation.NextUntranslated(std::nullopt), 0u);
    EXPECT_EQ(translation.NextUntranslated(0), 6u);
    EXPECT_EQ(translation.NextUntranslated(6), 7u);
    EXPECT_EQ(translation.NextUntranslated(7), 0u) << "from the top after the last";
}
