#include "steno/StenoStroke.h"

#include <gtest/gtest.h>

using namespace steno;

TEST(StenoStroke, NewStrokeIsAllZero)
{
    const CStenoStroke stroke;
    EXPECT_EQ(stroke.m_time, 0);
    EXPECT_EQ(stroke.m_keys, 0u);
    EXPECT_EQ(stroke.m_rawKeys, 0u);
    for (int i = 0; i < kKeyCount; ++i) {
        EXPECT_EQ(stroke.m_keyValues[i], 0);
        EXPECT_EQ(stroke.m_keyTimes[i], KeyTime{});
    }
}

TEST(StenoStroke, KeyBitsFollowTheIndex)
{
    KeyBits all = 0;
    for (int i = 0; i < kKeyCount; ++i)
        all |= KeyBit(i);
    EXPECT_EQ(all, kAllKeysMask);
    EXPECT_EQ(KeyBit(kKeyLeftS) | KeyBit(kKeyRightS), (1u << 21) | (1u << 2));
    EXPECT_EQ(KeyBit(kKeyAt), 1u << 23);
    EXPECT_EQ(KeyBit(kKeyZ), 1u);
}
