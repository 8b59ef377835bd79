#include "base/ByteSearch.h"

#include <gtest/gtest.h>

#include <string>

using base::FindEitherByte;

// Either byte is found at every place of texts of every length up to past a
// few steps of the search, the first of the two when both occur, nothing when
// neither does; bytes after the end given are never looked at.
TEST(ByteSearch, FindsTheFirstOfEitherByteAnywhere)
{
    for (std::size_t nLength = 0; nLength <= 150; ++nLength) {
        const std::string text = std::string(nLength, 'x') + "ab";
        const char* pBegin = text.data();
        const char* pEnd = pBegin + nLength;
        ASSERT_EQ(FindEitherByte(pBegin, pEnd, 'a', 'b'), nullptr) << nLength;
        for (std::size_t nAt = 0; nAt < nLength; ++nAt) {
            std::string marked = text;
            marked[nAt] = nAt % 2 ? 'a' : 'b';
            if (nAt + 7 < nLength)
                marked[nAt + 7] = 'a';
            const char* pFound = FindEitherByte(marked.data(), marked.data() + nLength, 'a', 'b');
            ASSERT_EQ(pFound, marked.data() + nAt) << nLength << " " << nAt;
        }
    }
}
