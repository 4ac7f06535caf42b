// The rules every settings store keeps, checked on the file store and on the in-memory store
// that other tests use in its place, so that the two cannot drift apart.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/setting_names.h"
#include "app/settings/reg_file_settings_store.h"
#include "support/memory_settings.h"
#include "support/temp_dir.h"

namespace vorlix {
namespace {

using namespace setting;

class MemoryStoreFactory {
public:
    SettingsStore& store() { return m_store; }
    SettingsStore& reopened() { return m_store; }

private:
    test::MemorySettings m_store;
};

// Reopening reads the file again through a new store, so values are checked after a trip
// through the file.
class FileStoreFactory {
public:
    SettingsStore& store() { return *m_store; }
    SettingsStore& reopened() {
        m_store = std::make_unique<RegFileSettingsStore>(m_folder.file("settings.reg"));
        return *m_store;
    }

private:
    test::TempDir m_folder;
    std::unique_ptr<RegFileSettingsStore> m_store =
        std::make_unique<RegFileSettingsStore>(m_folder.file("settings.reg"));
};

template <typename Factory>
class SettingsStoreContractTest : public ::testing::Test {
protected:
    void SetUp() override {
        store().createKey(kSettingsKey);
        store().createKey(kLastFilesKey);
        store().createKey(kRecentFileListKey);
    }
    SettingsStore& store() { return m_factory.store(); }
    SettingsStore& reopened() { return m_factory.reopened(); }

    Factory m_factory;
};

using Factories = ::testing::Types<MemoryStoreFactory, FileStoreFactory>;
TYPED_TEST_SUITE(SettingsStoreContractTest, Factories);

TYPED_TEST(SettingsStoreContractTest, MissingValuesReadAsZeroOrEmpty) {
    EXPECT_EQ(this->store().readNumber(kSettingsKey, kIntervalDue), 0u);
    EXPECT_EQ(this->store().readText(kSettingsKey, kInstallDir, kPathLimit), "");
    EXPECT_EQ(this->store().readBinary(kRootKey, kWindowPlacement), "");
}

TYPED_TEST(SettingsStoreContractTest, EveryTypeRoundTrips) {
    const std::vector<std::uint32_t> numbers = {0, 1, 2, 14, 0x7fffffff, 0xffffffff};
    const std::vector<std::string> texts = {
        "",
        "/home/user/.local/share/vorlix",
        "C:\\Program Files\\Vorlix\\",
        "quote \" backslash \\ end\\",
        "\xC3\x9C"
        "ber \xE2\x9C\x93 caf\xC3\xA9",
        "two\r\nlines\n",
        std::string(1023, 'x'),
    };
    std::string placement;
    for (int i = 0; i < 44; ++i) {
        placement.push_back(static_cast<char>(i * 37));
    }
    for (const auto number : numbers) {
        this->store().writeNumber(kSettingsKey, kIntervalDue, number);
        EXPECT_EQ(this->reopened().readNumber(kSettingsKey, kIntervalDue), number);
    }
    for (const auto& text : texts) {
        this->store().writeText(kLastFilesKey, kQvdPathOpen, text);
        EXPECT_EQ(this->reopened().readText(kLastFilesKey, kQvdPathOpen, kRecentFileLimit), text);
    }
    const std::string key = std::string(kRootKey) + "\\CDialogSearch";
    this->store().createKey(key);
    this->store().writeBinary(key, kWindowPlacement, placement);
    EXPECT_EQ(this->reopened().readBinary(key, kWindowPlacement), placement);
}

TYPED_TEST(SettingsStoreContractTest, ATextTooLongForItsLimitReadsAsEmpty) {
    struct Case {
        std::string_view key;
        std::string_view name;
        std::size_t limit;
    };
    const std::vector<Case> cases = {
        {kSettingsKey, kLastLogName, kLogInfoLimit},
        {kSettingsKey, kLastPasswordDigest, kLogInfoLimit},
        {kSettingsKey, kInstallDir, kPathLimit},
        {kLastFilesKey, kQvdPathOpen, kPathLimit},
        {kRecentFileListKey, kRecentFile1, kRecentFileLimit},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string fits(c.limit - 1, 'a');
        this->store().writeText(c.key, c.name, fits);
        EXPECT_EQ(this->reopened().readText(c.key, c.name, c.limit), fits);
        this->store().writeText(c.key, c.name, fits + "a");
        EXPECT_EQ(this->reopened().readText(c.key, c.name, c.limit), "");
        EXPECT_EQ(this->store().readText(c.key, c.name, c.limit + 1), fits + "a");
    }
    // The limit counts bytes: 27 two-byte letters and one more byte fill 55 of 56.
    std::string accented;
    for (int i = 0; i < 27; ++i) {
        accented += "\xC3\xA9";
    }
    this->store().writeText(kSettingsKey, kLastLogName, accented + "a");
    EXPECT_EQ(this->store().readText(kSettingsKey, kLastLogName, kLogInfoLimit), accented + "a");
    this->store().writeText(kSettingsKey, kLastLogName, accented + "\xC3\xA9");
    EXPECT_EQ(this->store().readText(kSettingsKey, kLastLogName, kLogInfoLimit), "");
}

TYPED_TEST(SettingsStoreContractTest, ATextEndsAtAZeroByte) {
    this->store().writeText(kSettingsKey, kChatUser, std::string("name\0hidden", 11));
    EXPECT_EQ(this->reopened().readText(kSettingsKey, kChatUser, kPathLimit), "name");
}

TYPED_TEST(SettingsStoreContractTest, AValueHasOneTypeAtATime) {
    this->store().writeText(kSettingsKey, kIntervalDue, "14");
    EXPECT_EQ(this->store().readNumber(kSettingsKey, kIntervalDue), 0u);
    this->store().writeNumber(kSettingsKey, kIntervalDue, 14);
    EXPECT_EQ(this->reopened().readText(kSettingsKey, kIntervalDue, kPathLimit), "");
    EXPECT_EQ(this->store().readNumber(kSettingsKey, kIntervalDue), 14u);
}

TYPED_TEST(SettingsStoreContractTest, DeletedValuesAndKeysReadAsMissing) {
    this->store().writeNumber(kSettingsKey, kFilter, 1);
    this->store().writeText(kSettingsKey, kInstallDir, "/x");
    this->store().deleteValue(kSettingsKey, kFilter);
    EXPECT_EQ(this->reopened().readNumber(kSettingsKey, kFilter), 0u);
    EXPECT_EQ(this->store().readText(kSettingsKey, kInstallDir, kPathLimit), "/x");

    const std::string child = std::string(kSettingsKey) + "\\Child";
    this->store().createKey(child);
    this->store().deleteKey(kSettingsKey);
    EXPECT_FALSE(this->reopened().keyExists(kSettingsKey));
    EXPECT_FALSE(this->store().keyExists(child));
    EXPECT_EQ(this->store().readText(kSettingsKey, kInstallDir, kPathLimit), "");
    EXPECT_TRUE(this->store().keyExists(kLastFilesKey));
}

TYPED_TEST(SettingsStoreContractTest, AKeyExistsWithEveryKeyAboveIt) {
    EXPECT_TRUE(this->store().keyExists(kSettingsKey));
    EXPECT_TRUE(this->store().keyExists(kRootKey));
    EXPECT_TRUE(this->store().keyExists("SOFTWARE"));
    EXPECT_FALSE(this->store().keyExists("SOFTWARE\\Talmir\\Vorlix\\Sett"));
    EXPECT_FALSE(this->store().keyExists(kTipKey));
    EXPECT_FALSE(this->store().keyExists(kFreedbKey));
}

TYPED_TEST(SettingsStoreContractTest, ABatchEndsWithEveryChangeStored) {
    this->store().beginBatch();
    this->store().beginBatch();
    this->store().writeNumber(kSettingsKey, kFilter, 1);
    this->store().endBatch();
    this->store().writeText(kSettingsKey, kInstallDir, "/x");
    EXPECT_EQ(this->store().readNumber(kSettingsKey, kFilter), 1u);
    this->store().endBatch();
    EXPECT_EQ(this->reopened().readNumber(kSettingsKey, kFilter), 1u);
    EXPECT_EQ(this->store().readText(kSettingsKey, kInstallDir, kPathLimit), "/x");
}

}  // namespace
}  // namespace vorlix
