#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "views/logic/commands_completion.h"

namespace vorlix {
namespace {

using Words = std::vector<std::string>;

struct CompletionCase {
    const char* name;
    Words history;
    const char* typed;
    Words matches;
};

// The case of the typed text counts; an entry as long as the text or shorter matches only
// when it is the text; the matches sort ignoring case, equal ones in history order.
const CompletionCase kCases[] = {
    {"prefix matches are case-sensitive", {"john", "Joe", "joan"}, "jo", {"joan", "john"}},
    {"the typed text itself sorts first",
     {"john", "Joe", "joan", "jo"},
     "jo",
     {"jo", "joan", "john"}},
    {"capital prefix", {"john", "Joe", "joan"}, "J", {"Joe"}},
    {"no match", {"john", "Joe", "joan"}, "x", {}},
    {"shorter entries never match", {"jo", "j"}, "joh", {}},
    {"an entry of the same length matches only when equal", {"job", "jog"}, "jog", {"jog"}},
    {"the empty text proposes every entry", {"b", "A", ""}, "", {"", "A", "b"}},
    {"sorting ignores case, equal texts keep their order",
     {"Maria", "maria", "Marc"},
     "",
     {"Marc", "Maria", "maria"}},
    {"case beyond ASCII is ignored in the order",
     {"\u00C9mile", "eve", "\u00E9lo"},
     "",
     {"eve", "\u00E9lo", "\u00C9mile"}},
    {"duplicates stay", {"mp3", "mp3"}, "mp", {"mp3", "mp3"}},
};

TEST(CommandsCompletion, MatchesFollowTheTable) {
    for (const CompletionCase& c : kCases) {
        EXPECT_EQ(completionMatches(c.history, c.typed), c.matches) << c.name;
    }
}

TEST(CommandsCompletion, SortingKeepsEveryWord) {
    EXPECT_EQ(sortedIgnoringCase({"b", "B", "a"}), (Words{"a", "b", "B"}));
    EXPECT_TRUE(sortedIgnoringCase({}).empty());
}

}  // namespace
}  // namespace vorlix
