#include "rtfcre/FileSystemName.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using rtfcre::FromFileSystemName;
using rtfcre::ToFileSystemName;

struct NameCase
{
    std::string strBytes;
    std::wstring strName;
};

class FileSystemNameTest : public ::testing::TestWithParam<NameCase>
{
};

TEST_P(FileSystemNameTest, BytesAndNameMatchBothWays)
{
    EXPECT_EQ(FromFileSystemName(GetParam().strBytes), GetParam().strName);
    EXPECT_EQ(ToFileSystemName(GetParam().strName), GetParam().strBytes);
}

INSTANTIATE_TEST_SUITE_P(
    Names, FileSystemNameTest,
    ::testing::Values(NameCase{"/work/day1.rtf", L"/work/day1.rtf"},
                      NameCase{"Aussage-\xc3\xa4.rtf", L"Aussage-\u00e4.rtf"},
                      NameCase{"\xe2\x82\xac", L"\u20ac"},
                      NameCase{"\xf0\x9f\x93\x9d", L"\U0001F4DD"},
                      // Not UTF-8: each byte passes as an escape of its own.
                      NameCase{"caf\xe9.rtf", L"caf\xdce9.rtf"},
                      NameCase{"\xc0\x80", L"\xdcc0\xdc80"},         // overlong
                      NameCase{"\xed\xa0\x80", L"\xdced\xdca0\xdc80"}, // an encoded surrogate
                      NameCase{"\xe2\x82", L"\xdce2\xdc82"},         // cut short
                      NameCase{"\xf4\x90\x80\x80", L"\xdcf4\xdc90\xdc80\xdc80"})); // past U+10FFFF

TEST(FileSystemName, AnyBytesComeBackUnchanged)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(1, 255);
    for (int i = 0; i < 2000; ++i) {
        std::string strBytes;
        for (int j = i % 13; j >= 0; --j)
            strBytes += static_cast<char>(byte(random));
        EXPECT_EQ(ToFileSystemName(FromFileSystemName(strBytes)), strBytes);
    }
}

TEST(FileSystemName, WideTextWithoutBytesBecomesTheReplacementCharacter)
{
    EXPECT_EQ(ToFileSystemName(std::wstring(1, static_cast<wchar_t>(0xD800))), "\xef\xbf\xbd");
    EXPECT_EQ(ToFileSystemName(std::wstring(1, static_cast<wchar_t>(0x110000))), "\xef\xbf\xbd");
}

} // namespace
