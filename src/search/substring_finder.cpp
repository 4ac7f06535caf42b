#include "search/substring_finder.h"

#include <cstring>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace vorlix {

namespace {

// The rest of the text byte by byte, from `at` on.
std::size_t findPlainly(const char* h, std::size_t n, const char* needle, std::size_t m,
                        std::size_t at) {
    for (; at + m <= n; ++at) {
        if (h[at] == needle[0] && std::memcmp(h + at, needle, m) == 0) {
            return at;
        }
    }
    return std::string_view::npos;
}

#if defined(__x86_64__)
// Compares 32 positions at a time on the needle's first and last byte; only where both agree
// are the bytes between compared.
__attribute__((target("avx2"))) std::size_t findWide(const char* h, std::size_t n,
                                                     const char* needle, std::size_t m,
                                                     std::size_t at) {
    const __m256i first = _mm256_set1_epi8(needle[0]);
    const __m256i last = _mm256_set1_epi8(needle[m - 1]);
    for (; at + m - 1 + 32 <= n; at += 32) {
        const __m256i atFirst = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(h + at));
        const __m256i atLast = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(h + at + m - 1));
        auto mask = static_cast<unsigned>(_mm256_movemask_epi8(
            _mm256_and_si256(_mm256_cmpeq_epi8(atFirst, first), _mm256_cmpeq_epi8(atLast, last))));
        while (mask != 0) {
            const auto bit = static_cast<std::size_t>(__builtin_ctz(mask));
            if (m <= 2 || std::memcmp(h + at + bit + 1, needle + 1, m - 2) == 0) {
                return at + bit;
            }
            mask &= mask - 1;
        }
    }
    return findPlainly(h, n, needle, m, at);
}

// The same 16 positions at a time, for processors without AVX2.
std::size_t findNarrow(const char* h, std::size_t n, const char* needle, std::size_t m,
                       std::size_t at) {
    const __m128i first = _mm_set1_epi8(needle[0]);
    const __m128i last = _mm_set1_epi8(needle[m - 1]);
    for (; at + m - 1 + 16 <= n; at += 16) {
        const __m128i atFirst = _mm_loadu_si128(reinterpret_cast<const __m128i*>(h + at));
        const __m128i atLast = _mm_loadu_si128(reinterpret_cast<const __m128i*>(h + at + m - 1));
        auto mask = static_cast<unsigned>(_mm_movemask_epi8(
            _mm_and_si128(_mm_cmpeq_epi8(atFirst, first), _mm_cmpeq_epi8(atLast, last))));
        while (mask != 0) {
            const auto bit = static_cast<std::size_t>(__builtin_ctz(mask));
            if (m <= 2 || std::memcmp(h + at + bit + 1, needle + 1, m - 2) == 0) {
                return at + bit;
            }
            mask &= mask - 1;
        }
    }
    return findPlainly(h, n, needle, m, at);
}

const bool kWide = __builtin_cpu_supports("avx2");
#endif

}  // namespace

std::size_t SubstringFinder::find(std::string_view haystack, std::size_t from) const {
    const std::size_t n = haystack.size();
    const std::size_t m = m_needle.size();
    if (from > n || m > n - from) {
        return std::string_view::npos;
    }
    if (m == 0) {
        return from;
    }
#if defined(__x86_64__)
    return kWide ? findWide(haystack.data(), n, m_needle.data(), m, from)
                 : findNarrow(haystack.data(), n, m_needle.data(), m, from);
#else
    return findPlainly(haystack.data(), n, m_needle.data(), m, from);
#endif
}

}  // namespace vorlix
