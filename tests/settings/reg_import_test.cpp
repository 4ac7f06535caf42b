#include "app/settings/reg_import.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/setting_names.h"
#include "app/settings/reg_file_settings_store.h"
#include "core/code_page.h"
#include "support/memory_settings.h"
#include "support/temp_dir.h"

namespace vorlix {
namespace {

using namespace setting;

constexpr std::string_view kExport =
    "Windows Registry Editor Version 5.00\n"
    "\n"
    "[HKEY_CURRENT_USER\\SOFTWARE\\Talmir\\Vorlix\\Settings]\n"
    "\"filter\"=dword:00000001\n"
    "\"intervaldue\"=dword:0000000e\n"
    "\"lnfo1\"=\"J\xC3\xBCrgen \\\"J\\\" \\\\ M\"\n"
    "\n"
    "[HKEY_CURRENT_USER\\SOFTWARE\\Talmir\\Vorlix\\CDialogSearch]\n"
    "\"WindowPlacement\"=hex:2c,00,00,00,02,00,00,00,03,00,00,00,00,83,ff,ff,00,83,ff,ff,\\\n"
    "  ff,ff,ff,ff,ff,ff,ff,ff,6e,00,00,00,4b,00,00,00,0e,04,00,00,0e,03,00,00\n"
    "\n"
    "[HKEY_CURRENT_USER\\SOFTWARE\\Talmir\\Vorlix\\Tip]\n"
    "\"StartUp\"=dword:00000000\n";

std::string encoded(std::string_view lf, bool utf16, bool crLf) {
    std::string text;
    for (const char c : lf) {
        if (c == '\n' && crLf) {
            text.push_back('\r');
        }
        text.push_back(c);
    }
    return utf16 ? std::string(reg::kUtf16LeBom) + utf16leFromUtf8(text) : text;
}

TEST(RegImportTest, AppliesAnExportInEveryEncodingAndLineEnd) {
    for (const bool utf16 : {false, true}) {
        for (const bool crLf : {false, true}) {
            SCOPED_TRACE(std::string(utf16 ? "UTF-16LE" : "UTF-8") + (crLf ? ", CR LF" : ", LF"));
            test::MemorySettings settings;
            const RegImportResult result = importRegText(settings, encoded(kExport, utf16, crLf));
            EXPECT_EQ(result.failure, "");
            EXPECT_TRUE(result.skipped.empty());
            EXPECT_EQ(result.applied, 8u);
            EXPECT_EQ(settings.readNumber(kSettingsKey, kFilter), 1u);
            EXPECT_EQ(settings.readNumber(kSettingsKey, kIntervalDue), 14u);
            EXPECT_EQ(settings.readText(kSettingsKey, kLastLogName, kLogInfoLimit),
                      "J\xC3\xBCrgen \"J\" \\ M");
            const std::string placement =
                settings.readBinary("SOFTWARE\\Talmir\\Vorlix\\CDialogSearch", kWindowPlacement);
            ASSERT_EQ(placement.size(), 44u);
            EXPECT_EQ(placement.substr(0, 4), std::string("\x2c\0\0\0", 4));
            EXPECT_EQ(placement.substr(40), std::string("\x0e\x03\0\0", 4));
            EXPECT_TRUE(settings.keyExists(kTipKey));
            EXPECT_EQ(settings.readNumber(kTipKey, kTipStartUp), 0u);
        }
    }
}

TEST(RegImportTest, CreatesKeysEvenWithoutValues) {
    test::TempDir folder;
    RegFileSettingsStore settings(folder.file("settings.reg"));
    importRegText(settings,
                  "Windows Registry Editor Version 5.00\r\n\r\n"
                  "[HKEY_CURRENT_USER\\SOFTWARE\\Talmir\\Vorlix\\Last Files]\r\n");
    EXPECT_TRUE(settings.keyExists(kLastFilesKey));
    settings.writeText(kLastFilesKey, kPlaylistSave, "/music");
    EXPECT_EQ(RegFileSettingsStore(folder.file("settings.reg"))
                  .readText(kLastFilesKey, kPlaylistSave, kPathLimit),
              "/music");
}

TEST(RegImportTest, DeletesValuesAndKeysAsTheEditorDoes) {
    test::MemorySettings settings;
    settings.writeNumber(kSettingsKey, kFilter, 1);
    settings.writeNumber(kSettingsKey, kShare, 1);
    settings.writeText(kRunKey, kRunEntry, "/usr/bin/vorlix");
    settings.writeNumber(std::string(kRootKey) + "\\Old\\Below", "x", 1);
    const RegImportResult result =
        importRegText(settings,
                      "Windows Registry Editor Version 5.00\n"
                      "[HKEY_CURRENT_USER\\SOFTWARE\\Talmir\\Vorlix\\Settings]\n\"filter\"=-\n"
                      "[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\run]\n"
                      "\"Vorlix\"=-\n"
                      "[-HKEY_CURRENT_USER\\SOFTWARE\\Talmir\\Vorlix\\Old]\n");
    EXPECT_TRUE(result.skipped.empty());
    EXPECT_EQ(settings.readNumber(kSettingsKey, kFilter), 0u);
    EXPECT_EQ(settings.readNumber(kSettingsKey, kShare), 1u);
    EXPECT_EQ(settings.readText(kRunKey, kRunEntry, kPathLimit), "");
    EXPECT_FALSE(settings.keyExists(std::string(kRootKey) + "\\Old"));
}

TEST(RegImportTest, SkipsWhatTheSettingsDoNotKeepAndAppliesTheRest) {
    test::MemorySettings settings;
    const RegImportResult result =
        importRegText(settings,
                      "Windows Registry Editor Version 5.00\n"                      // 1
                      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Talmir\\Vorlix\\Settings]\n"  // 2
                      "\"filter\"=dword:00000001\n"                                 // 3
                      "[HKEY_CURRENT_USER\\SOFTWARE\\Talmir\\Vorlix\\Settings]\n"   // 4
                      "\"path\"=hex(2):25,00,00,00\n"                               // 5
                      "\"list\"=hex(7):61,00,00,00,00,00\n"                         // 6
                      "\"big\"=hex(b):01,00,00,00,00,00,00,00\n"                    // 7
                      "\"short\"=hex(4):01,00\n"                                    // 8
                      "\"share\"=dword:1\n"                                         // 9
                      "\"broken\"=dword:\n"                                         // 10
                      "\"stats\"=dword:00000001\n");                                // 11
    EXPECT_EQ(result.failure, "");
    std::vector<std::size_t> lines;
    for (const auto& issue : result.skipped) {
        lines.push_back(issue.line);
    }
    EXPECT_EQ(lines, (std::vector<std::size_t>{2, 5, 6, 7, 8, 10}));
    EXPECT_EQ(settings.readNumber(kSettingsKey, kFilter), 0u);
    EXPECT_EQ(settings.readNumber(kSettingsKey, kShare), 1u);
    EXPECT_EQ(settings.readNumber(kSettingsKey, kStats), 1u);
}

TEST(RegImportTest, RefusesFilesThatAreNotRegistryFiles) {
    test::TempDir folder;
    test::MemorySettings settings;
    const RegImportResult missing = importRegFile(settings, folder.file("nothing.reg"));
    EXPECT_NE(missing.failure.find(folder.file("nothing.reg")), std::string::npos);

    test::writeFile(
        folder.file("plain.txt"),
        "[HKEY_CURRENT_USER\\SOFTWARE\\Talmir\\Vorlix\\Settings]\n\"filter\"=dword:1\n");
    const RegImportResult plain = importRegFile(settings, folder.file("plain.txt"));
    EXPECT_NE(plain.failure, "");
    EXPECT_EQ(plain.applied, 0u);
    EXPECT_FALSE(settings.keyExists(kSettingsKey));
}

// Records the order of calls, to see that an import stores its changes as one batch.
class CallLog final : public SettingsStore {
public:
    std::vector<std::string> calls;

    std::uint32_t readNumber(std::string_view, std::string_view) const override { return 0; }
    std::string readText(std::string_view, std::string_view, std::size_t) const override {
        return {};
    }
    std::string readBinary(std::string_view, std::string_view) const override { return {}; }
    void writeNumber(std::string_view, std::string_view name, std::uint32_t) override {
        calls.push_back("number " + std::string(name));
    }
    void writeText(std::string_view, std::string_view name, std::string_view) override {
        calls.push_back("text " + std::string(name));
    }
    void writeBinary(std::string_view, std::string_view name, std::string_view) override {
        calls.push_back("binary " + std::string(name));
    }
    void deleteValue(std::string_view, std::string_view) override {}
    bool keyExists(std::string_view) const override { return false; }
    void createKey(std::string_view key) override { calls.push_back("key " + std::string(key)); }
    void deleteKey(std::string_view) override {}
    void beginBatch() override { calls.push_back("begin"); }
    void endBatch() override { calls.push_back("end"); }
};

TEST(RegImportTest, StoresItsChangesAsOneBatch) {
    CallLog log;
    importRegText(log,
                  "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\K]\n"
                  "\"a\"=dword:00000001\n\"b\"=\"x\"\n");
    EXPECT_EQ(log.calls, (std::vector<std::string>{"begin", "key K", "number a", "text b", "end"}));
}

}  // namespace
}  // namespace vorlix
