#include "tasks/disc_gaps.h"

#include <algorithm>
#include <optional>

#include "core/catalog.h"
#include "core/numbers.h"

namespace vorlix {

namespace {

// The value whose "%d" form the text is, when it is a positive one.
std::optional<std::int64_t> positiveDecimal(std::string_view text) {
    constexpr std::size_t kMaxDigits = 10;
    if (text.empty() || text.size() > kMaxDigits || text.front() == '0' ||
        !std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (const char c : text) {
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

DiscGaps::DiscGaps(const CQXCatalog& catalogue) {
    if (catalogue.discs.empty()) {
        return;
    }
    const std::int64_t last = leadingInt(catalogue.discs.back()->number());
    std::vector<std::int64_t> carried;
    carried.reserve(catalogue.discs.size());
    for (const auto& disc : catalogue.discs) {
        const std::optional<std::int64_t> value = positiveDecimal(disc->number());
        if (value && *value <= last) {
            carried.push_back(*value);
        }
    }
    std::ranges::sort(carried);
    carried.push_back(last + 1);
    std::int64_t next = 1;
    for (const std::int64_t value : carried) {
        if (value > next) {
            m_runs.push_back({next, m_count});
            m_count += value - next;
        }
        next = std::max(next, value + 1);
    }
}

std::int64_t DiscGaps::at(std::int64_t index) const {
    const auto run = std::ranges::upper_bound(m_runs, index, {}, &Run::before) - 1;
    return run->first + (index - run->before);
}

}  // namespace vorlix
