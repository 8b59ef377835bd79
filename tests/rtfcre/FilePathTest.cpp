#include "rtfcre/FilePath.h"
#include "tests/support/FileTestSupport.h"

#include <gtest/gtest.h>

using namespace rtfcre;

TEST(FilePath, WideNamesBecomeUtf8)
{
    EXPECT_EQ(PathFromWide(L"a/b.rtf").native(), "a/b.rtf");
    EXPECT_EQ(PathFromWide(L"Caf\u00E9 \u20AC\U0001F600").native(),
              "Caf\xC3\xA9 \xE2\x82\xAC\xF0\x9F\x98\x80");
    EXPECT_EQ(PathFromWide(std::wstring(1, static_cast<wchar_t>(0xD800))).native(), "\xEF\xBF\xBD");
}

TEST(FilePath, Utf8NamesComeBackAndOtherBytesStayReadable)
{
    const std::wstring name = L"Caf\u00E9 \u20AC\U0001F600.rtf";
    EXPECT_EQ(WideFromPath(PathFromWide(name)), name);
    EXPECT_EQ(WideFromPath(std::filesystem::path("x\xE9y\xC3")), L"x\u00E9y\u00C3");
    EXPECT_EQ(WideFromPath(std::filesystem::path("\xC0\xAF\xED\xA0\x80")),
              L"\u00C0\u00AF\u00ED\u00A0\u0080");
}

TEST(FilePath, NonAsciiFilesOpen)
{
    const CTempDirectory dir;
    const auto path = dir.Write("Caf\xC3\xA9.rtf", "x");
    EXPECT_EQ(ReadBytes(PathFromWide(WideFromPath(path))), "x");
}
