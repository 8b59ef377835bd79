#include "base/ByteSearch.h"

#include <bit>
#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

namespace base {

const char* FindEitherByte(const char* p, const char* end, char a, char b)
{
#if defined(__SSE2__) || defined(_M_X64)
    const __m128i first = _mm_set1_epi8(a);
    const __m128i second = _mm_set1_epi8(b);
    const auto hits = [&](const char* pBytes) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pBytes));
        return _mm_or_si128(_mm_cmpeq_epi8(bytes, first), _mm_cmpeq_epi8(bytes, second));
    };
    // Sixty-four bytes a step while that many are left, then sixteen.
    for (; end - p >= 64; p += 64) {
        const __m128i any = _mm_or_si128(_mm_or_si128(hits(p), hits(p + 16)),
                                         _mm_or_si128(hits(p + 32), hits(p + 48)));
        if (_mm_movemask_epi8(any) != 0)
            break;
    }
    for (; end - p >= 16; p += 16) {
        const auto nHits = static_cast<unsigned>(_mm_movemask_epi8(hits(p)));
        if (nHits != 0)
            return p + std::countr_zero(nHits);
    }
#endif
    for (; p != end; ++p) {
        if (*p == a || *p == b)
            return p;
    }
    return nullptr;
}

} // namespace base
