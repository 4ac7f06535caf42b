#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorlix {

// The history entries that a text typed into one of the commands panel's combos proposes: each
// entry longer than the text that starts with exactly the text (case counts), and each entry
// equal to it. They come sorted as the combo's list is, ignoring case, entries that compare
// equal so kept in history order; the first is the one the combo proposes.
std::vector<std::string> completionMatches(const std::vector<std::string>& history,
                                           std::string_view typed);

// The history as the combo's list shows it: sorted ignoring case.
std::vector<std::string> sortedIgnoringCase(std::vector<std::string> words);

}  // namespace vorlix
