// The dictionary's hash: every outline found again after the tables grew and
// were packed, a later entry replacing an earlier one, an empty text as none.
#include "translation/StenoDictionary.h"
#include "translation/OutlineHash.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

using translation::CStenoDictionary;
using Outline = std::vector<steno::KeyBits>;

namespace {

std::optional<std::string> Find(const CStenoDictionary& dictionary, const Outline& outline)
{
    const auto nEntry = dictionary.Find(outline.data(), outline.size(),
                                        translation::OutlineHash(outline.data(), outline.size()));
    return nEntry ? std::optional(std::string(dictionary.Text(*nEntry))) : std::nullopt;
}

} // namespace

TEST(StenoDictionary, FindsEveryOutlineAfterGrowingAndPacking)
{
    // Outlines of one to six strokes drawn from few strokes, so many are drawn
    // twice and many share the strokes a slot holds.
    std::mt19937 random(3);
    std::map<Outline, std::string> entries;
    CStenoDictionary dictionary;
    for (int i = 0; i < 20000; ++i) {
        Outline outline(1 + random() % 6);
        for (steno::KeyBits& stroke : outline)
            stroke = 1 + random() % 6;
        const std::string strText = i % 97 == 0 ? "" : "text " + std::to_string(i);
        ASSERT_TRUE(dictionary.Add(outline, strText));
        entries[outline] = strText;
    }
    dictionary.Finish();
    EXPECT_EQ(dictionary.Count(), entries.size());
    EXPECT_EQ(dictionary.LongestOutline(), 6u);
    for (const auto& [outline, strText] : entries) {
        // The later text wins; an empty text counts as no entry.
        ASSERT_EQ(Find(dictionary, outline),
                  strText.empty() ? std::nullopt : std::optional(strText));
        Outline longer = outline;
        longer.push_back(7);
        ASSERT_EQ(Find(dictionary, longer), std::nullopt);
    }
    EXPECT_FALSE(dictionary.Add(Outline(CStenoDictionary::kMaxStrokes + 1, 1), "too long"));
}
