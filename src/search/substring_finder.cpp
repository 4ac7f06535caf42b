#include "search/substring_finder.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vorlix {

std::size_t SubstringFinder::find(std::string_view haystack, std::size_t from) const {
    const std::size_t n = haystack.size();
    const std::size_t m = m_needle.size();
    if (from > n || m > n - from) {
        return std::string_view::npos;
    }
    if (m == 0) {
        return from;
    }
    const char* h = haystack.data();
    const char* needle = m_needle.data();
    std::size_t i = from;
#if defined(__SSE2__)
    const __m128i first = _mm_set1_epi8(needle[0]);
    const __m128i last = _mm_set1_epi8(needle[m - 1]);
    for (; i + m - 1 + 16 <= n; i += 16) {
        const __m128i atFirst = _mm_loadu_si128(reinterpret_cast<const __m128i*>(h + i));
        const __m128i atLast = _mm_loadu_si128(reinterpret_cast<const __m128i*>(h + i + m - 1));
        auto mask = static_cast<unsigned>(_mm_movemask_epi8(
            _mm_and_si128(_mm_cmpeq_epi8(atFirst, first), _mm_cmpeq_epi8(atLast, last))));
        while (mask != 0) {
            const auto bit = static_cast<std::size_t>(__builtin_ctz(mask));
            if (m <= 2 || std::memcmp(h + i + bit + 1, needle + 1, m - 2) == 0) {
                return i + bit;
            }
            mask &= mask - 1;
        }
    }
#endif
    for (; i + m <= n; ++i) {
        if (h[i] == needle[0] && std::memcmp(h + i, needle, m) == 0) {
            return i;
        }
    }
    return std::string_view::npos;
}

}  // namespace vorlix
