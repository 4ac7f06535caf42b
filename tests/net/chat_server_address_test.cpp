#include "net/chat_server_address.h"

#include <gtest/gtest.h>

namespace vorlix {
namespace {

struct AddressCase {
    const char* text;
    bool valid;
    const char* host;
    std::uint16_t port;
};

class ChatServerAddressTest : public testing::TestWithParam<AddressCase> {};

TEST_P(ChatServerAddressTest, ParsesHostAndPort) {
    const AddressCase& c = GetParam();
    const auto address = ChatServerAddress::parse(c.text);
    ASSERT_EQ(address.has_value(), c.valid) << c.text;
    if (c.valid) {
        EXPECT_EQ(address->host, c.host);
        EXPECT_EQ(address->port, c.port);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ChatServerAddressTest,
    testing::Values(AddressCase{"127.0.0.1:7000", true, "127.0.0.1", 7000},
                    AddressCase{"chat.example.org:1", true, "chat.example.org", 1},
                    AddressCase{" localhost:65535 ", true, "localhost", 65535},
                    AddressCase{"[::1]:7000", true, "::1", 7000}, AddressCase{"", false, "", 0},
                    AddressCase{"localhost", false, "", 0}, AddressCase{":7000", false, "", 0},
                    AddressCase{"localhost:", false, "", 0},
                    AddressCase{"localhost:0", false, "", 0},
                    AddressCase{"localhost:65536", false, "", 0},
                    AddressCase{"localhost:70x", false, "", 0},
                    AddressCase{"localhost:-1", false, "", 0},
                    AddressCase{"::1:7000", false, "", 0}, AddressCase{"[]:7000", false, "", 0}));

TEST(ChatServerAddressText, BracketsIpv6HostsOnly) {
    EXPECT_EQ((ChatServerAddress{"127.0.0.1", 7000}.text()), "127.0.0.1:7000");
    EXPECT_EQ((ChatServerAddress{"::1", 7000}.text()), "[::1]:7000");
}

}  // namespace
}  // namespace vorlix
