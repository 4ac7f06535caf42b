#include "app/options/options_settings.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/setting_names.h"
#include "app/settings/setting_catalogue.h"
#include "platform/logon_entry.h"
#include "support/memory_settings.h"
#include "support/result_assertions.h"
#include "support/temp_dir.h"

namespace vorlix {
namespace {

using namespace setting;
using Numbers = std::map<std::pair<std::string, std::string>, std::uint32_t>;

std::pair<std::string, std::string> id(std::string_view key, std::string_view name) {
    return {std::string(key), std::string(name)};
}

// Every page's settings, as the page's controls are bound to them.
const std::map<OptionsPageId, std::vector<std::string>> kPageSettings = {
    {OptionsPageId::General,
     {"share", "extrasearch", "optimizationcheck", "cddb", "defaultplayer", "playlistaction",
      "enableoverdue", "intervaldue"}},
    {OptionsPageId::Interface,
     {"combo", "autonotes", "largefileicons", "defcats", "enabledynamic", "largetreeicons", "stats",
      "explogin", "exptransfer", "expcopy", "expplaylist"}},
    {OptionsPageId::Net,
     {"visible", "sharedb", "confirmtransfer", "transferauto", "chatsize", "enableclear",
      "clearlines"}},
    {OptionsPageId::Startup,
     {"autostart", "minimized", "loaddb", "netstatus", "filter", "StartUp"}},
};

TEST(OptionPageSettingsTest, EachPageHoldsItsSettingsInTheOrderOfItsControls) {
    for (const auto& [page, names] : kPageSettings) {
        std::vector<std::string> held;
        for (const PageSetting& setting : settingsOfPage(page)) {
            held.emplace_back(setting.name);
            const SettingDefinition* definition = findSetting(setting.name);
            ASSERT_NE(definition, nullptr) << setting.name;
            EXPECT_EQ(definition->key, setting.key) << setting.name;
            // A flag goes no higher than 1 wherever a user sets it; a number is a whole DWORD.
            EXPECT_EQ(definition->maximum, setting.storedAs == StoredAs::Number ? 0xFFFFFFFFu : 1u)
                << setting.name;
        }
        EXPECT_EQ(held, names);
    }
    EXPECT_EQ(enablingFlagOf(kIntervalDue), kEnableOverdue);
    EXPECT_EQ(enablingFlagOf(kClearLines), kEnableClear);
    EXPECT_EQ(enablingFlagOf(kShare), std::nullopt);
}

// A stored value and what the page's copy makes of it.
struct Reading {
    std::optional<std::uint32_t> stored;
    bool flagOn;
    bool tipsShown;
    std::uint32_t number;
};

TEST(SettingsPageTest, ReadsFlagsAsOnOnlyAtOneTheTipFlagNegatedAndNumbersAsStored) {
    const std::vector<Reading> readings = {
        {std::nullopt, false, true, 0},
        {0, false, true, 0},
        {1, true, false, 1},
        {2, false, true, 2},
        {0xFFFFFFFF, false, true, 0xFFFFFFFF},
    };
    for (const Reading& r : readings) {
        SCOPED_TRACE(r.stored ? std::to_string(*r.stored) : std::string("absent"));
        test::MemorySettings settings;
        if (r.stored) {
            for (const OptionsPageId page : kSettingsPages) {
                for (const PageSetting& s : settingsOfPage(page)) {
                    settings.writeNumber(s.key, s.name, *r.stored);
                }
            }
        }
        for (const OptionsPageId page : kSettingsPages) {
            SettingsPage copy(page);
            copy.load(settings);
            for (const PageSetting& s : settingsOfPage(page)) {
                switch (s.storedAs) {
                    case StoredAs::Flag:
                        EXPECT_EQ(copy.isOn(s.name), r.flagOn) << s.name;
                        break;
                    case StoredAs::NegatedFlag:
                        EXPECT_EQ(copy.isOn(s.name), r.tipsShown) << s.name;
                        break;
                    case StoredAs::Number:
                        EXPECT_EQ(copy.number(s.name), r.number) << s.name;
                        break;
                }
            }
        }
    }
}

TEST(SettingsPageTest, ApplyWritesEveryValueOfThePageAndNothingElse) {
    test::MemorySettings settings;
    settings.writeNumber(kSettingsKey, kStats, 2);  // Interface: left alone by General
    settings.writeNumber(kSettingsKey, kShare, 2);  // read as off, written back as 0
    SettingsPage general(OptionsPageId::General);
    general.load(settings);
    general.setOn(kExtraSearch, true);
    general.setOn(kPlaylistAction, true);
    general.setNumber(kIntervalDue, 30);
    general.apply(settings);
    EXPECT_EQ(settings.numbers, (Numbers{{id(kSettingsKey, kShare), 0},
                                         {id(kSettingsKey, kExtraSearch), 1},
                                         {id(kSettingsKey, kOptimizationCheck), 0},
                                         {id(kSettingsKey, kCddb), 0},
                                         {id(kSettingsKey, kDefaultPlayer), 0},
                                         {id(kSettingsKey, kPlaylistAction), 1},
                                         {id(kSettingsKey, kEnableOverdue), 0},
                                         {id(kSettingsKey, kIntervalDue), 30},
                                         {id(kSettingsKey, kStats), 2}}));

    SettingsPage startup(OptionsPageId::Startup);
    startup.load(settings);
    startup.setOn(kTipStartUp, false);
    startup.apply(settings);
    EXPECT_EQ(settings.readNumber(kTipKey, kTipStartUp), 1u);
    startup.setOn(kTipStartUp, true);
    startup.apply(settings);
    EXPECT_EQ(settings.readNumber(kTipKey, kTipStartUp), 0u);
}

TEST(SettingsPageTest, RefusesASettingOfAnotherPage) {
    SettingsPage net(OptionsPageId::Net);
    EXPECT_THROW(static_cast<void>(net.isOn(kShare)), std::out_of_range);
    EXPECT_THROW(net.setNumber(kIntervalDue, 3), std::out_of_range);
}

class OptionsSettingsTest : public testing::Test {
protected:
    test::TempDir folder;
    test::MemorySettings settings;
    LogonEntry entry{folder.file("autostart"), "/usr/bin/vorlix"};
};

TEST_F(OptionsSettingsTest, CancelWritesNothingOkWritesTheFourPages) {
    settings.writeNumber(kSettingsKey, kDelNoExt, 1);
    const Numbers before = settings.numbers;
    {
        OptionsSettings options(settings, entry);
        options.page(OptionsPageId::General).setOn(kShare, true);
        options.page(OptionsPageId::Net).setNumber(kClearLines, 500);
    }
    EXPECT_EQ(settings.numbers, before);

    OptionsSettings options(settings, entry);
    options.page(OptionsPageId::General).setOn(kShare, true);
    options.page(OptionsPageId::Interface).setOn(kExpPlaylist, true);
    options.page(OptionsPageId::Net).setNumber(kClearLines, 500);
    options.page(OptionsPageId::Startup).setOn(kLoadDb, true);
    options.accept();
    std::size_t written = 0;
    for (const auto& [page, names] : kPageSettings) {
        for (const PageSetting& s : settingsOfPage(page)) {
            EXPECT_TRUE(settings.numbers.contains(id(s.key, s.name))) << s.name;
            ++written;
        }
    }
    EXPECT_EQ(written, 32u);
    EXPECT_EQ(settings.numbers.size(), written + 1);  // delnoext is on no page
    EXPECT_EQ(settings.readNumber(kSettingsKey, kShare), 1u);
    EXPECT_EQ(settings.readNumber(kSettingsKey, kExpPlaylist), 1u);
    EXPECT_EQ(settings.readNumber(kSettingsKey, kClearLines), 500u);
    EXPECT_EQ(settings.readNumber(kSettingsKey, kLoadDb), 1u);
    EXPECT_EQ(settings.readNumber(kTipKey, kTipStartUp), 0u);  // tips shown, as they were
    EXPECT_EQ(settings.readNumber(kSettingsKey, kDelNoExt), 1u);
}

TEST_F(OptionsSettingsTest, ApplyWritesOnlyItsPage) {
    OptionsSettings options(settings, entry);
    options.page(OptionsPageId::General).setOn(kShare, true);
    options.page(OptionsPageId::Interface).setOn(kStats, true);
    options.apply(OptionsPageId::Interface);
    EXPECT_EQ(settings.numbers.size(), kPageSettings.at(OptionsPageId::Interface).size());
    EXPECT_EQ(settings.readNumber(kSettingsKey, kStats), 1u);
    EXPECT_FALSE(settings.numbers.contains(id(kSettingsKey, kShare)));
}

TEST_F(OptionsSettingsTest, TheLogonEntryChangesAtOnceWhileAutostartWaitsForApply) {
    OptionsSettings options(settings, entry);
    ASSERT_FALSE(entry.present());
    EXPECT_TRUE(test::succeeded(options.setRunAtLogon(true)));
    EXPECT_TRUE(entry.present());
    EXPECT_TRUE(options.page(OptionsPageId::Startup).isOn(kAutoStart));
    EXPECT_TRUE(settings.numbers.empty());
    options.apply(OptionsPageId::Startup);
    EXPECT_EQ(settings.readNumber(kSettingsKey, kAutoStart), 1u);

    EXPECT_TRUE(test::succeeded(options.setRunAtLogon(false)));
    EXPECT_FALSE(entry.present());
    EXPECT_EQ(settings.readNumber(kSettingsKey, kAutoStart), 1u);
}

TEST_F(OptionsSettingsTest, TransferSettingIsTheNetPagesBox) {
    settings.writeNumber(kSettingsKey, kTransferAuto, 1);
    OptionsSettings options(settings, entry);
    EXPECT_TRUE(options.transferAutomatically());
    options.page(OptionsPageId::Net).setOn(kTransferAuto, false);
    EXPECT_FALSE(options.transferAutomatically());
}

TEST_F(OptionsSettingsTest, ReloadTakesTheStoredValuesAndTheLogonEntryFollowsAutostart) {
    OptionsSettings options(settings, entry);
    ASSERT_TRUE(test::succeeded(options.setRunAtLogon(true)));
    options.page(OptionsPageId::General).setOn(kShare, true);
    settings.writeNumber(kSettingsKey, kIntervalDue, 14);
    EXPECT_TRUE(test::succeeded(options.reload()));
    EXPECT_FALSE(options.page(OptionsPageId::General).isOn(kShare));
    EXPECT_EQ(options.page(OptionsPageId::General).number(kIntervalDue), 14u);
    EXPECT_FALSE(options.page(OptionsPageId::Startup).isOn(kAutoStart));
    EXPECT_FALSE(entry.present());

    settings.writeNumber(kSettingsKey, kAutoStart, 1);
    EXPECT_TRUE(test::succeeded(options.reload()));
    EXPECT_TRUE(entry.present());
}

}  // namespace
}  // namespace vorlix
