#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/settings/reg_parser.h"
#include "app/settings/reg_writer.h"
#include "core/code_page.h"

namespace vorlix {
namespace {

using reg::ValueType;

std::string utf16File(std::string_view utf8) {
    return std::string(reg::kUtf16LeBom) + utf16leFromUtf8(utf8);
}

std::string withCrLf(std::string_view lf) {
    std::string out;
    for (const char c : lf) {
        if (c == '\n') {
            out.push_back('\r');
        }
        out.push_back(c);
    }
    return out;
}

const RegValue& valueAt(const RegDocument& document, std::size_t section, std::size_t entry) {
    return document.sections.at(section).entries.at(entry).value;
}

constexpr std::string_view kExport =
    "Windows Registry Editor Version 5.00\n"
    "\n"
    "[HKEY_CURRENT_USER\\SOFTWARE\\Talmir\\Vorlix\\Settings]\n"
    "\"intervaldue\"=dword:0000000E\n"
    "\"installdir\"=\"C:\\\\Program Files\\\\Vorlix \\\"QX\\\" \xC3\xA9\"\n"
    "@=\"unnamed\"\n"
    "\n"
    "[HKEY_CURRENT_USER\\SOFTWARE\\Talmir\\Vorlix\\Main]\n"
    "\"WindowPlacement\"=hex:2c,00,00,00,00,00,00,00,01,00,00,00,ff,ff,ff,ff,ff,ff,ff,ff,\\\n"
    "  ff,ff,ff,ff\n";

TEST(RegParserTest, ReadsTheEditorsExportInEveryEncodingAndLineEnd) {
    const std::vector<std::pair<const char*, std::string>> files = {
        {"UTF-8, LF", std::string(kExport)},
        {"UTF-8, CR LF", withCrLf(kExport)},
        {"UTF-8, CR CR LF", withCrLf(withCrLf(kExport))},
        {"UTF-8 with mark", std::string(reg::kUtf8Bom) + std::string(kExport)},
        {"UTF-16LE, LF", utf16File(kExport)},
        {"UTF-16LE, CR LF", utf16File(withCrLf(kExport))},
        {"UTF-16LE, CR CR LF", utf16File(withCrLf(withCrLf(kExport)))},
    };
    for (const auto& [label, bytes] : files) {
        SCOPED_TRACE(label);
        const RegDocument document = parseRegText(bytes);
        EXPECT_EQ(document.version, RegDocument::Version::Five);
        EXPECT_TRUE(document.issues.empty());
        ASSERT_EQ(document.sections.size(), 2u);
        EXPECT_EQ(document.sections[0].path, "SOFTWARE\\Talmir\\Vorlix\\Settings");
        EXPECT_EQ(valueAt(document, 0, 0).type, ValueType::Dword);
        EXPECT_EQ(dwordFromData(valueAt(document, 0, 0).data), 14u);
        EXPECT_EQ(valueAt(document, 0, 1).data, "C:\\Program Files\\Vorlix \"QX\" \xC3\xA9");
        EXPECT_EQ(valueAt(document, 0, 2).name, "");
        EXPECT_EQ(valueAt(document, 0, 2).data, "unnamed");
        const RegValue& placement = valueAt(document, 1, 0);
        EXPECT_EQ(placement.type, ValueType::Binary);
        ASSERT_EQ(placement.data.size(), 24u);
        EXPECT_EQ(placement.data[0], '\x2c');
        EXPECT_EQ(placement.data[23], '\xff');
    }
}

TEST(RegParserTest, TakesHexFormsOfTextsNumbersAndOtherTypes) {
    const std::string text =
        "Windows Registry Editor Version 5.00\n"
        "[HKEY_CURRENT_USER\\K]\n"
        "\"utf16\"=hex(1):48,00,e9,00,0a,00,00,00\n"
        "\"number\"=hex(4):0a,00,00,00\n"
        "\"expand\"=hex(2):25,00,00,00\n"
        "\"qword\"=hex(b):01,02,03,04,05,06,07,08\n"
        "\"empty\"=hex:\n";
    const RegDocument document = parseRegText(text);
    ASSERT_TRUE(document.issues.empty());
    EXPECT_EQ(valueAt(document, 0, 0).type, ValueType::String);
    EXPECT_EQ(valueAt(document, 0, 0).data, "H\xC3\xA9\n");
    EXPECT_EQ(valueAt(document, 0, 1).type, ValueType::Dword);
    EXPECT_EQ(dwordFromData(valueAt(document, 0, 1).data), 10u);
    EXPECT_EQ(valueAt(document, 0, 2).type, ValueType::ExpandString);
    EXPECT_EQ(valueAt(document, 0, 2).data, std::string("%\0\0\0", 4));
    EXPECT_EQ(valueAt(document, 0, 3).type, ValueType::Qword);
    EXPECT_EQ(valueAt(document, 0, 4).type, ValueType::Binary);
    EXPECT_EQ(valueAt(document, 0, 4).data, "");
}

TEST(RegParserTest, ReadsVersionFourFilesInTheAnsiCodePage) {
    const RegDocument document = parseRegText(
        "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\K]\r\n\"a\"=\"caf\xE9\"\r\n\"b\"=hex(1):63,e9,00\r\n");
    EXPECT_EQ(document.version, RegDocument::Version::Four);
    ASSERT_TRUE(document.issues.empty());
    EXPECT_EQ(valueAt(document, 0, 0).data, "caf\xC3\xA9");
    EXPECT_EQ(valueAt(document, 0, 1).data, "c\xC3\xA9");
}

TEST(RegParserTest, ReadsDeletionsOfValuesAndKeys) {
    const RegDocument document = parseRegText(
        "Windows Registry Editor Version 5.00\n[-HKEY_CURRENT_USER\\Old]\n"
        "[HKEY_CURRENT_USER\\K]\n\"gone\"=-\n@=-\n");
    ASSERT_TRUE(document.issues.empty());
    EXPECT_EQ(document.sections[0].kind, RegSection::Kind::KeyDeletion);
    EXPECT_EQ(document.sections[0].path, "Old");
    EXPECT_EQ(document.sections[1].entries[0].kind, RegEntry::Kind::Deletion);
    EXPECT_EQ(document.sections[1].entries[0].value.name, "gone");
    EXPECT_EQ(document.sections[1].entries[1].kind, RegEntry::Kind::Deletion);
    EXPECT_EQ(document.sections[1].entries[1].value.name, "");
}

TEST(RegParserTest, KeepsWhatItCannotTakeApartAndSaysWhere) {
    using namespace std::string_literals;
    struct Case {
        std::string line;
        const char* reason;
    };
    const std::vector<Case> cases = {
        {"\"a\"=\"unterminated", "a damaged text value"},
        {"\"a\"=\"line\r\0end\""s, "a damaged text value"},
        {"\"a\"=\"bad \\n escape\"", "a damaged text value"},
        {"\"a\"=\"text\" trailing", "a damaged text value"},
        {"\"a\"=dword:123456789", "a damaged dword value"},
        {"\"a\"=dword:12g4", "a damaged dword value"},
        {"\"a\"=dword:", "a damaged dword value"},
        {"\"a\"=hex:01,zz", "damaged hex bytes"},
        {"\"a\"=hex:01,", "damaged hex bytes"},
        {"\"a\"=hex(x):01", "a damaged hex value type"},
        {"\"a\"=qword:1", "a value of unknown form"},
        {"\"a\" dword:1", "a value without \"=\""},
        {"\"a=dword:1", "a damaged value name"},
        {"garbage \x01\x02", "not a value line"},
        {"[HKEY_CURRENT_USER\\K", "a damaged key line"},
        {"[HKEY_LOCAL_MACHINE\\SOFTWARE\\X]", "a key outside HKEY_CURRENT_USER"},
        {"[HKEY_CURRENT_USER]", "a key line without a key"},
        {"[HKEY_CURRENT_USER\\a\\\\b]", "a key line without a key"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const std::string text =
            "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\K]\n" + c.line + "\n";
        const RegDocument document = parseRegText(text);
        ASSERT_EQ(document.issues.size(), 1u);
        EXPECT_EQ(document.issues[0].line, 3u);
        EXPECT_EQ(document.issues[0].reason, c.reason);
        const std::string written = formatRegText(document);
        EXPECT_NE(written.find(c.line + "\r\n"), std::string::npos) << written;
    }
}

TEST(RegParserTest, KeepsEverythingUnderAKeptSectionAndBeforeTheFirstSection) {
    const RegDocument document = parseRegText(
        "no header here\n; a comment\n\"early\"=dword:1\n"
        "[HKEY_LOCAL_MACHINE\\X]\n\"a\"=dword:1\n[HKEY_CURRENT_USER\\K]\n\"b\"=dword:2\n");
    EXPECT_EQ(document.version, RegDocument::Version::Missing);
    ASSERT_EQ(document.issues.size(), 4u);
    EXPECT_EQ(document.issues[0].line, 1u);  // the missing header
    EXPECT_EQ(document.issues[1].line, 1u);  // a line outside any key
    EXPECT_EQ(document.issues[2].line, 3u);
    EXPECT_EQ(document.issues[3].line, 4u);
    EXPECT_EQ(document.leading,
              (std::vector<std::string>{"no header here", "; a comment", "\"early\"=dword:1"}));
    EXPECT_EQ(document.sections[0].kind, RegSection::Kind::Kept);
    EXPECT_EQ(document.sections[0].entries[0].kept, std::vector<std::string>{"\"a\"=dword:1"});
    EXPECT_EQ(dwordFromData(valueAt(document, 1, 0).data), 2u);
}

TEST(RegParserTest, ACutOffHexValueDoesNotSwallowTheNextLine) {
    const RegDocument document = parseRegText(
        "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\K]\n"
        "\"a\"=hex:01,\\\n\"b\"=dword:00000002\n");
    ASSERT_EQ(document.issues.size(), 1u);
    EXPECT_EQ(document.issues[0].line, 3u);
    EXPECT_EQ(valueAt(document, 0, 1).name, "b");
}

TEST(RegWriterTest, AHexValueCutOffByABlankLineStaysCutOffWhenWrittenAgain) {
    const RegDocument document = parseRegText(
        "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\K]\n"
        "\"a\"=hex:01,\\\n\n  02\n");
    ASSERT_EQ(document.findValue("K", "a"), nullptr);
    const std::string written = formatRegText(document);
    const RegDocument back = parseRegText(written);
    EXPECT_EQ(back.findValue("K", "a"), nullptr) << written;
    EXPECT_EQ(formatRegText(back), written);
}

TEST(RegParserTest, KeepsLinesThatAreNotUtf8ByteForByteAndReadsThemAsWindows1252) {
    const RegDocument document = parseRegText(
        "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\K]\n\"a\"=\"caf\xE9\"\n"
        "\xE9\xFF junk\n");
    EXPECT_EQ(valueAt(document, 0, 0).data, "caf\xC3\xA9");
    EXPECT_NE(formatRegText(document).find("\xE9\xFF junk\r\n"), std::string::npos);
}

TEST(RegWriterTest, WritesTheEditorsFormat) {
    RegDocument document;
    document.createKey("SOFTWARE\\Talmir\\Vorlix\\Settings");
    document.setValue("SOFTWARE\\Talmir\\Vorlix\\Settings",
                      {"intervaldue", ValueType::Dword, dwordData(14)});
    document.setValue("SOFTWARE\\Talmir\\Vorlix\\Settings",
                      {"installdir", ValueType::String, "/home/a \"b\"\\c"});
    document.setValue("SOFTWARE\\Talmir\\Vorlix\\Settings", {"", ValueType::String, "x"});
    document.setValue("SOFTWARE\\Talmir\\Vorlix\\Settings", {"lines", ValueType::String, "a\r\nb"});
    document.createKey("SOFTWARE\\Talmir\\Vorlix\\Tip");
    EXPECT_EQ(formatRegText(document),
              "Windows Registry Editor Version 5.00\r\n"
              "\r\n"
              "[HKEY_CURRENT_USER\\SOFTWARE\\Talmir\\Vorlix\\Settings]\r\n"
              "\"intervaldue\"=dword:0000000e\r\n"
              "\"installdir\"=\"/home/a \\\"b\\\"\\\\c\"\r\n"
              "@=\"x\"\r\n"
              "\"lines\"=hex(1):61,00,0d,00,0a,00,62,00,00,00\r\n"
              "\r\n"
              "[HKEY_CURRENT_USER\\SOFTWARE\\Talmir\\Vorlix\\Tip]\r\n"
              "\r\n");
}

TEST(RegWriterTest, WrapsLongHexDataWithinEightyColumnsAndReadsItBack) {
    std::string bytes;
    for (int i = 0; i < 300; ++i) {
        bytes.push_back(static_cast<char>(i));
    }
    RegDocument document;
    document.createKey("SOFTWARE\\Talmir\\Vorlix\\A rather long window name");
    document.setValue("SOFTWARE\\Talmir\\Vorlix\\A rather long window name",
                      {"WindowPlacement", ValueType::Binary, bytes});
    document.setValue("SOFTWARE\\Talmir\\Vorlix\\A rather long window name",
                      {"other", ValueType::Qword, "12345678"});
    const std::string text = formatRegText(document);
    std::size_t lines = 0;
    for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos;
         start = end + 2, ++lines) {
        EXPECT_LE(end - start, reg::kHexLineWidth);
    }
    EXPECT_GT(lines, 12u);
    const RegDocument back = parseRegText(text);
    ASSERT_TRUE(back.issues.empty());
    EXPECT_EQ(valueAt(back, 0, 0).data, bytes);
    EXPECT_EQ(valueAt(back, 0, 1).type, ValueType::Qword);
    EXPECT_EQ(valueAt(back, 0, 1).data, "12345678");
    EXPECT_EQ(formatRegText(back), text);
}

}  // namespace
}  // namespace vorlix
