#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace vorlix {

// Which pairs of neighbouring bytes occur in a disc's names, as a bit set of their hashes. A
// text can only occur in the names if each of its pairs does, so a search for a word that few
// names hold passes over nearly every disc on a few bit tests instead of reading its names.
// Set bits may also stand for pairs that do not occur; the names are then read as usual.
class NamePairFilter {
public:
    NamePairFilter() = default;
    // `keys` are the lower-cased names, each followed by a NUL; pairs with a NUL are left out.
    explicit NamePairFilter(std::string_view keys);

    // The hashed pairs of a text, for mayHold().
    static std::vector<std::uint32_t> pairsOf(std::string_view text);
    // False when some pair is certainly in none of the names.
    bool mayHold(const std::vector<std::uint32_t>& pairs) const;

    std::size_t bytes() const { return m_bits.capacity() * sizeof(std::uint64_t); }

private:
    static std::uint32_t hash(unsigned char first, unsigned char second) {
        return ((static_cast<std::uint32_t>(first) << 8) | second) * 0x9E3779B1U;
    }

    std::vector<std::uint64_t> m_bits;
    unsigned m_shift = 32;
};

}  // namespace vorlix
