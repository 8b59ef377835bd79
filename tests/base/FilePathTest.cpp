#include "base/FilePath.h"

#include <gtest/gtest.h>

using namespace base;

TEST(FilePath, WideNamesBecomeUtf8)
{
    EXPECT_EQ(PathFromWide(L"a/b.rtf").native(), "a/b.rtf");
    EXPECT_EQ(PathFromWide(L"Caf\u00E9 \u20AC\U0001F600").native(),
              "Caf\xC3\xA9 \xE2\x82\xAC\xF0\x9F\x98\x80");
    // A lone surrogate that is no escaped byte has no bytes of its own.
    EXPECT_EQ(PathFromWide(std::wstring(1, static_cast<wchar_t>(0xD800))).native(), "\xEF\xBF\xBD");
}

// Every name comes back as the same bytes, UTF-8 or not; bytes outside UTF-8
// are escaped as U+DC80 ... U+DCFF.
TEST(FilePath, EveryNameRoundTrips)
{
    const std::string names[] = {"Caf\xC3\xA9 \xE2\x82\xAC\xF0\x9F\x98\x80.rtf", "x\xE9y\xC3",
                                 "\xC0\xAF\xED\xA0\x80\xF4\x90\x80\x80\xFF", "\xE2\x82"};
    for (const std::string& name : names)
        EXPECT_EQ(PathFromWide(WideFromPath(name)).native(), name);
    EXPECT_EQ(WideFromPath("Caf\xC3\xA9"), L"Caf\u00E9");
    EXPECT_EQ(WideFromPath("x\xE9y"), L"x\xDCE9y");
}
