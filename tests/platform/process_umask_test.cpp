#include "platform/process_umask.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <optional>
#include <string>

namespace vorlix {
namespace {

struct StatusCase {
    const char* name;
    std::string status;
    std::optional<mode_t> mask;
};

void PrintTo(const StatusCase& c, std::ostream* out) {
    *out << c.name;
}

class UmaskFromStatusTest : public ::testing::TestWithParam<StatusCase> {};

TEST_P(UmaskFromStatusTest, ReadsTheOctalMaskOfTheUmaskLineOnly) {
    EXPECT_EQ(umaskFromStatus(GetParam().status), GetParam().mask);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UmaskFromStatusTest,
    ::testing::Values(StatusCase{"Usual", "Name:\tvorlix\nUmask:\t0022\nState:\tR (running)\n",
                                 022},
                      StatusCase{"Private", "Umask:\t0077\n", 077},
                      StatusCase{"NoneMasked", "Name:\tvorlix\nUmask:\t0000", 0},
                      StatusCase{"SpacesInsteadOfATab", "Umask:   0027\n", 027},
                      StatusCase{"OlderKernelWithoutTheLine",
                                 "Name:\tvorlix\nState:\tR (running)\n", std::nullopt},
                      StatusCase{"NotOctal", "Umask:\t0089\n", std::nullopt},
                      StatusCase{"BeyondThePermissionBits", "Umask:\t01022\n", std::nullopt},
                      StatusCase{"Empty", "Umask:\n", std::nullopt},
                      StatusCase{"OnlyAtTheStartOfALine", "XUmask:\t0022\n", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProcessUmaskTest, IsTheMaskTheProcessRunsWith) {
    const mode_t current = ::umask(0);
    ::umask(current);
    EXPECT_EQ(processUmask(), current);
}

}  // namespace
}  // namespace vorlix
