#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vorlix {

// Finds one fixed text in long runs of names. Catalogues hold millions of names and a search
// looks at every one, so the scan compares 16 positions at once on the needle's first and last
// byte and only checks the bytes between where both agree.
class SubstringFinder {
public:
    explicit SubstringFinder(std::string needle) : m_needle(std::move(needle)) {}

    // The first position at or after `from` where the needle starts; npos when none. An empty
    // needle is found at `from`.
    std::size_t find(std::string_view haystack, std::size_t from) const;
    const std::string& needle() const { return m_needle; }

private:
    std::string m_needle;
};

}  // namespace vorlix
