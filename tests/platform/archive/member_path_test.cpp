#include "platform/archive/member_path.h"

#include <gtest/gtest.h>

namespace vorlix {
namespace {

TEST(MemberPathTest, KeepsOnlyComponentsInsideTheArchive) {
    using Components = std::vector<std::string>;
    const struct {
        const char* pathname;
        Components expected;
    } cases[] = {
        {"docs/a.txt", {"docs", "a.txt"}},
        {"docs\\sub\\a.txt", {"docs", "sub", "a.txt"}},
        {"./docs//a.txt", {"docs", "a.txt"}},
        {"/etc/passwd", {"etc", "passwd"}},
        {"../../x/../y", {"x", "y"}},
        {"docs/", {"docs"}},
        {"..", {}},
        {"", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(memberPathComponents(c.pathname), c.expected) << c.pathname;
    }
}

}  // namespace
}  // namespace vorlix
