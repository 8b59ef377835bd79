#include "steno/StenoEditState.h"
#include "steno/FieldNotice.h"
#include "steno/StenoEditLayout.h"
#include "steno/StenoEncoder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace steno;
using platform::KeyInput;

namespace {

KeyInput Key(int nVirtualKey, bool bShift = false)
{
    return {nVirtualKey, bShift, false, false, 1};
}

constexpr int kLeft = platform::kVkLeft;
constexpr int kRight = platform::kVkRight;
constexpr int kSpace = platform::kVkSpace;
constexpr int kSlash = platform::kVkOem2;

struct TypingCase
{
    const char* name;
    KeyBits start;
    std::vector<KeyInput> keys;
    const wchar_t* steno; ///< the keys afterwards as steno text
    bool bLeft;           ///< the side afterwards
};

} // namespace

TEST(StenoEditState, KeysChangeKeysAndSide)
{
    const KeyBits kS = KeyBit(kKeyLeftS);
    const TypingCase cases[] = {
        {"letters follow the side",
         0,
         {Key('G'), Key('A'), Key(kRight), Key('S')},
         L"TKPWA-S",
         false},
        {"H on the right", 0, {Key(kRight), Key('H')}, L"", false},
        {"Q on the right", 0, {Key(kRight), Key('Q')}, L"", false},
        {"? on the right keeps the side", 0, {Key(kRight), Key(kSlash, true)}, L"STPH", false},
        {"Shift+7 is ? too", 0, {Key('7', true)}, L"STPH", true},
        {"Space picks the right side", 0, {Key(kSpace), Key('S')}, L"-S", false},
        {"Shift+Space the left", 0, {Key(kRight), Key(kSpace, true), Key('S')}, L"S", true},
        {"Left arrow", 0, {Key(kRight), Key(kLeft), Key('T')}, L"T", true},
        {"Delete keeps the side", kS, {Key(kRight), Key(platform::kVkDelete)}, L"", false},
        {"keypad 1 is the chord of A", 0, {Key(0x61)}, L"A", true},
        {"F11 is the chord of Z", 0, {Key(0x7A)}, L"SWR", true},
        {"a key without character", kS, {Key(platform::kVkHome), Key('1')}, L"S", true},
        {"repeat count 2 changes nothing",
         kS,
         {Key(kRight), {'T', false, false, false, 2}},
         L"S",
         false},
        {"nor does it move the side", kS, {{kRight, false, false, false, 2}}, L"S", true},
    };
    for (const TypingCase& c : cases) {
        CStenoEditState state;
        state.SetKeys(c.start);
        for (const KeyInput& key : c.keys)
            state.KeyDown(key);
        EXPECT_EQ(CStenoEncoder().KeysToSteno(state.Keys()), c.steno) << c.name;
        EXPECT_EQ(state.IsLeft(), c.bLeft) << c.name;
    }
}

TEST(StenoEditState, ZeroSetsTheNumberBarAndTogglesO)
{
    CStenoEditState state;
    state.KeyDown(Key('0'));
    EXPECT_EQ(state.Keys(), KeyBit(kKeyNumberBar) | KeyBit(kKeyO));
    state.KeyDown(Key('0'));
    EXPECT_EQ(state.Keys(), KeyBit(kKeyNumberBar));
}

TEST(StenoEditState, ClickOnTheMiddlePixelPicksTheLeftSide)
{
    CStenoEditState state;
    state.Click(61, 10, 111); // the middle is 10 + 101 / 2 = 60
    EXPECT_FALSE(state.IsLeft());
    state.Click(60, 10, 111);
    EXPECT_TRUE(state.IsLeft());
}

TEST(FieldNotice, TabEnterAndEscapeGoToTheOwner)
{
    using platform::kShiftTab;
    EXPECT_EQ(FieldNoticeOf(Key(platform::kVkTab)), (FieldNotice{platform::WM_STROKEEDIT_TAB, 0}));
    EXPECT_EQ(FieldNoticeOf(Key(platform::kVkTab, true)),
              (FieldNotice{platform::WM_STROKEEDIT_TAB, kShiftTab}));
    EXPECT_EQ(FieldNoticeOf({platform::kVkReturn, false, false, false, 3}),
              (FieldNotice{platform::WM_STROKEEDIT_ENTER, 0}));
    EXPECT_EQ(FieldNoticeOf(Key(platform::kVkEscape)),
              (FieldNotice{platform::WM_STROKEEDIT_ESCAPE, 0}));
    EXPECT_EQ(FieldNoticeOf({platform::kVkTab, false, false, true, 1}), std::nullopt);
    EXPECT_EQ(FieldNoticeOf(Key('A')), std::nullopt);
}

TEST(StenoEditLayout, CellsAroundTheHyphen)
{
    // White area 1..97 wide 96: half = 96 / 2 - 4 - 2 = 42.
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
    EXPECT_EQ(SplitStenoText(L""), (StenoEditTexts{}));
}
