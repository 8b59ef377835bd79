#include "fields/StenoEditState.h"
#include "fields/StenoEditLayout.h"
#include "steno/StenoEncoder.h"

#include <gtest/gtest.h>

#include <vector>

using namespace steno;
using namespace fields;
using platform::KeyInput;

namespace {

KeyInput Key(int nVirtualKey, bool bShift = false, int nRepeat = 1)
{
    return {nVirtualKey, bShift, false, false, nRepeat};
}

struct TypingCase
{
    KeyBits start;
    std::vector<KeyInput> keys;
    const wchar_t* steno; ///< the keys afterwards as steno text
    bool bLeft;           ///< the side afterwards
};

} // namespace

TEST(StenoEditState, KeysChangeKeysAndSide)
{
    using namespace platform;
    const KeyBits kS = KeyBit(kKeyLeftS);
    const TypingCase cases[] = {
        {0, {Key('G'), Key('A'), Key(kVkRight), Key('S')}, L"TKPWA-S", false},
        {0, {Key(kVkRight), Key(kVkOem2, true)}, L"STPH", false}, // "?" keeps the side
        {0, {Key(kVkSpace), Key('S')}, L"-S", false},
        {0,
         {Key(kVkRight), Key(kVkSpace, true), Key(kVkRight), Key(kVkLeft), Key('S')},
         L"S",
         true},
        {kS, {Key(kVkRight), Key(kVkDelete)}, L"", false},
        {kS, {Key(kVkRight), Key('T', false, 2), Key(kVkLeft, false, 2)}, L"S", false},
    };
    for (const TypingCase& c : cases) {
        CStenoEditState state;
        state.SetKeys(c.start);
        for (const KeyInput& key : c.keys)
            state.KeyDown(key);
        EXPECT_EQ(CStenoEncoder().KeysToSteno(state.Keys()), c.steno) << c.steno;
        EXPECT_EQ(state.IsLeft(), c.bLeft) << c.steno;
    }
}

TEST(StenoEditState, ClickOnTheMiddlePixelPicksTheLeftSide)
{
    CStenoEditState state;
    state.Click(61, 10, 111); // the middle is 10 + 101 / 2 = 60
    EXPECT_FALSE(state.IsLeft());
    state.Click(60, 10, 111);
    EXPECT_TRUE(state.IsLeft());
}

TEST(StenoEditLayout, CellsAroundTheHyphen)
{
    // White area 1..97, 96 wide: half = 96 / 2 - 4 - 2 = 42.
    const StenoEditLayout layout = LayOutStenoEdit({0, 0, 100, 24}, 4);
    EXPECT_EQ(layout.rcFill, (platform::Rect{1, 1, 97, 20}));
    EXPECT_EQ(layout.rcLeft, (platform::Rect{1, 1, 43, 20}));
    EXPECT_EQ(layout.rcHyphen, (platform::Rect{45, 1, 49, 20}));
    EXPECT_EQ(layout.rcRight, (platform::Rect{50, 1, 97, 20}));
    EXPECT_EQ(layout.rcLeftText, (platform::Rect{1, 2, 43, 19}));
    EXPECT_EQ(layout.rcRightText, (platform::Rect{50, 2, 97, 19}));
}

TEST(StenoEditLayout, TextSplitsAtTheFirstHyphen)
{
    EXPECT_EQ(SplitStenoText(L"TKPWA-S"), (StenoEditTexts{L"TKPWA", L"S"}));
    EXPECT_EQ(SplitStenoText(L"-EU"), (StenoEditTexts{L"", L"EU"}));
    EXPECT_EQ(SplitStenoText(L"AO"), (StenoEditTexts{L"AO", L""}));
}
