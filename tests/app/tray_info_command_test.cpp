// The tray information page's command addresses: how the items are read from them, and what
// the close command does to the setting that shows the window.
#include "app/tray_info_command.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "app/setting_names.h"
#include "support/memory_settings.h"

namespace vorlix {
namespace {

struct ItemCase {
    const char* why;
    std::string address;
    std::string command;
    std::string checked;
};

class TrayInfoItemTest : public ::testing::TestWithParam<ItemCase> {};

TEST_P(TrayInfoItemTest, ReadsCommandAndChecked) {
    const ItemCase& c = GetParam();
    EXPECT_EQ(TrayInfoCommand::item(c.address, "command"), c.command) << c.why;
    EXPECT_EQ(TrayInfoCommand::item(c.address, "checked"), c.checked) << c.why;
}

const std::string kPage = "file:///home/ann/.local/share/vorlix/doc/html/";

INSTANTIATE_TEST_SUITE_P(
    Addresses, TrayInfoItemTest,
    ::testing::Values(
        ItemCase{"the page's own link",
                 "null.html?<command>closetrayinfo</command><checked>true</checked>",
                 "closetrayinfo", "true"},
        ItemCase{"resolved against the page",
                 kPage + "null.html?<command>closetrayinfo</command><checked>false</checked>",
                 "closetrayinfo", "false"},
        ItemCase{"backslash closings",
                 "null.html?<command>closetrayinfo<\\command><checked>true<\\checked>",
                 "closetrayinfo", "true"},
        ItemCase{
            "percent-encoded as a browser hands it over",
            kPage +
                "null.html?%3Ccommand%3Eclosetrayinfo%3C/command%3E%3Cchecked%3Etrue%3C/checked%3E",
            "closetrayinfo", "true"},
        ItemCase{"lower-case escapes and an encoded slash",
                 "null.html?%3ccommand%3ecloset%72ayinfo%3c%2fcommand%3e%3cchecked%3etrue%3c%"
                 "2Fchecked%3e",
                 "closetrayinfo", "true"},
        ItemCase{"escapes are decoded once only",
                 "null.html?%253Ccommand%253Eclosetrayinfo%253C/command%253E", "", ""},
        ItemCase{"a stray percent sign stays",
                 "null.html?<command>50%zz</command><checked>%</checked>", "50%zz", "%"},
        ItemCase{"plus signs are not spaces", "null.html?<command>a+b</command>", "a+b", ""},
        ItemCase{"checked missing", "null.html?<command>closetrayinfo</command>", "closetrayinfo",
                 ""},
        ItemCase{"command missing", "null.html?<checked>true</checked>", "", "true"},
        ItemCase{"no items at all", "null.html", "", ""},
        ItemCase{"items in the other order",
                 "null.html?<checked>true</checked><command>closetrayinfo</command>",
                 "closetrayinfo", "true"},
        ItemCase{"an item without its closing",
                 "null.html?<command>closetrayinfo<checked>true</checked>", "", "true"},
        ItemCase{"only a closing: its name and '>' start the text, nothing closes it",
                 "null.html?closetrayinfo</command>", "", ""},
        ItemCase{"the opening's '<' is not needed", "null.html?command>closetrayinfo</command>",
                 "closetrayinfo", ""},
        ItemCase{"an empty item", "null.html?<command></command><checked></checked>", "", ""},
        ItemCase{"the first of two items counts",
                 "null.html?<command>a</command><command>b</command>", "a", ""},
        ItemCase{"the nearer of the two closing forms ends the text",
                 "null.html?<command>a<\\command>b</command>", "a", ""},
        ItemCase{"a closing of another item does not end it",
                 "null.html?<command>close</checked>trayinfo</command>", "close</checked>trayinfo",
                 ""},
        ItemCase{"names are case-sensitive", "null.html?<Command>closetrayinfo</Command>", "",
                 ""}));

struct EffectCase {
    const char* why;
    std::string address;
    bool handled;
    std::optional<std::uint32_t> showTrayInfo;  // nothing: the value was not written
};

class TrayInfoEffectTest : public ::testing::TestWithParam<EffectCase> {};

TEST_P(TrayInfoEffectTest, WritesShowTrayInfo) {
    const EffectCase& c = GetParam();
    test::MemorySettings settings;
    TrayInfoCommand command(settings);
    EXPECT_EQ(command.handle(c.address), c.handled) << c.why;
    const auto written = settings.numbers.find(
        {std::string(setting::kSettingsKey), std::string(setting::kShowTrayInfo)});
    if (c.showTrayInfo) {
        ASSERT_NE(written, settings.numbers.end()) << c.why;
        EXPECT_EQ(written->second, *c.showTrayInfo) << c.why;
        EXPECT_EQ(settings.numbers.size(), 1u) << c.why;
    } else {
        EXPECT_TRUE(settings.numbers.empty()) << c.why;
    }
    EXPECT_TRUE(settings.texts.empty()) << c.why;
}

INSTANTIATE_TEST_SUITE_P(
    Commands, TrayInfoEffectTest,
    ::testing::Values(
        EffectCase{"checked: never show again",
                   "null.html?<command>closetrayinfo</command><checked>true</checked>", true, 0},
        EffectCase{"unchecked: show again",
                   "null.html?<command>closetrayinfo</command><checked>false</checked>", true, 1},
        EffectCase{"no checked item counts as unchecked",
                   "null.html?<command>closetrayinfo</command>", true, 1},
        EffectCase{"only the exact text true checks",
                   "null.html?<command>closetrayinfo</command><checked>TRUE</checked>", true, 1},
        EffectCase{
            "encoded as a browser hands it over",
            "file:///x/doc/html/"
            "null.html?%3Ccommand%3Eclosetrayinfo%3C%2Fcommand%3E%3Cchecked%3Etrue%3C%2Fchecked%3E",
            true, 0},
        EffectCase{"another command belongs to the page but does nothing",
                   "null.html?<command>opentrayinfo</command><checked>true</checked>", true,
                   std::nullopt},
        EffectCase{"a page address without items does nothing", "null.html", true, std::nullopt},
        EffectCase{"the command outside a null.html address is an ordinary link",
                   "tray.html?<command>closetrayinfo</command><checked>true</checked>", false,
                   std::nullopt},
        EffectCase{"the address name is case-sensitive",
                   "NULL.HTML?<command>closetrayinfo</command><checked>true</checked>", false,
                   std::nullopt},
        EffectCase{"a web link", "https://example.org/vorlix/", false, std::nullopt}));

TEST(TrayInfoCommandTest, TheLastClickWins) {
    test::MemorySettings settings;
    TrayInfoCommand command(settings);
    command.handle("null.html?<command>closetrayinfo</command><checked>true</checked>");
    EXPECT_EQ(settings.readNumber(setting::kSettingsKey, setting::kShowTrayInfo), 0u);
    command.handle("null.html?<command>closetrayinfo</command><checked>false</checked>");
    EXPECT_EQ(settings.readNumber(setting::kSettingsKey, setting::kShowTrayInfo), 1u);
}

}  // namespace
}  // namespace vorlix
