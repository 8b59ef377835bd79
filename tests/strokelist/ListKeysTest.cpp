#include "strokelist/ListKeys.h"

#include <gtest/gtest.h>

using namespace strokelist;
using platform::KeyInput;

namespace {

constexpr int kVkC = 'C';
constexpr int kVkV = 'V';

struct KeyCase
{
    KeyInput key;
    ListKeyAction action;
};

KeyInput Plain(int nVirtualKey)
{
    return {nVirtualKey, false, false, false, 1};
}
KeyInput Ctrl(int nVirtualKey)
{
    return {nVirtualKey, false, true, false, 1};
}
KeyInput Shift(int nVirtualKey)
{
    return {nVirtualKey, true, false, false, 1};
}

} // namespace

class ListKeysTest : public testing::TestWithParam<KeyCase>
{
};

TEST_P(ListKeysTest, KeyGivesItsAction)
{
    EXPECT_EQ(ListKeyActionOf(GetParam().key), GetParam().action);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ListKeysTest,
    testing::Values(KeyCase{Ctrl(platform::kVkInsert), ListKeyAction::Copy},
                    KeyCase{Ctrl(kVkC), ListKeyAction::Copy},
                    KeyCase{Shift(platform::kVkInsert), ListKeyAction::Paste},
                    // Both modifiers: the copy row comes first.
                    KeyCase{{platform::kVkInsert, true, true, false, 1}, ListKeyAction::Copy},
                    KeyCase{Plain(platform::kVkDelete), ListKeyAction::Delete},
                    KeyCase{Plain(platform::kVkDown), ListKeyAction::Down},
                    KeyCase{Shift(platform::kVkDown), ListKeyAction::ExtendDown},
                    KeyCase{Shift(platform::kVkPrior), ListKeyAction::ExtendPageUp},
                    KeyCase{Shift(platform::kVkDelete), ListKeyAction::Delete},
                    KeyCase{Ctrl('A'), ListKeyAction::SelectAll},
                    KeyCase{{kVkC, true, true, false, 1}, ListKeyAction::CopyAsText},
                    KeyCase{Plain(platform::kVkReturn), ListKeyAction::Edit},
                    // Letters without Ctrl, and Insert alone, do nothing.
                    KeyCase{Shift(kVkV), ListKeyAction::None},
                    KeyCase{Plain(platform::kVkInsert), ListKeyAction::None}));

TEST(ListTakesKeyTest, OnlyAltKeysGoOnToTheMainWindow)
{
    EXPECT_TRUE(ListTakesKey(Plain('F')));
    EXPECT_TRUE(ListTakesKey(Ctrl('F')));
    EXPECT_FALSE(ListTakesKey({'F', false, false, true, 1}));
}
