#include "search/name_pair_filter.h"

namespace vorlix {

namespace {

// About one bit per byte of names keeps the set less than two thirds full, so that a word of
// eight letters (seven pairs) lets through about one disc in twenty that does not hold it.
constexpr std::size_t kFewestBits = 512;
constexpr std::size_t kMostBits = std::size_t{1} << 20;

}  // namespace

NamePairFilter::NamePairFilter(std::string_view keys) {
    std::size_t bits = kFewestBits;
    m_shift = 32 - 9;
    while (bits < keys.size() && bits < kMostBits) {
        bits <<= 1;
        --m_shift;
    }
    m_bits.assign(bits / 64, 0);
    for (std::size_t i = 0; i + 1 < keys.size(); ++i) {
        const auto first = static_cast<unsigned char>(keys[i]);
        const auto second = static_cast<unsigned char>(keys[i + 1]);
        if (first != 0 && second != 0) {
            const std::uint32_t bit = hash(first, second) >> m_shift;
            m_bits[bit >> 6] |= std::uint64_t{1} << (bit & 63);
        }
    }
}

std::vector<std::uint32_t> NamePairFilter::pairsOf(std::string_view text) {
    std::vector<std::uint32_t> pairs;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        pairs.push_back(
            hash(static_cast<unsigned char>(text[i]), static_cast<unsigned char>(text[i + 1])));
    }
    return pairs;
}

bool NamePairFilter::mayHold(const std::vector<std::uint32_t>& pairs) const {
    for (const std::uint32_t pair : pairs) {
        const std::uint32_t bit = pair >> m_shift;
        if ((m_bits[bit >> 6] & (std::uint64_t{1} << (bit & 63))) == 0) {
            return false;
        }
    }
    return true;
}

}  // namespace vorlix
