#include "core/json_value.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vorlix {
namespace {

TEST(JsonValueTest, ReadsTheValuesServicesSend) {
    const std::optional<JsonValue> document = parseJson(
        R"( {"count": 23, "ok": true, "off": false, "none": null, "name": "Caf\u00e9 \"A\"\n",)"
        R"( "clef": "\ud834\udd1e", "list": [1, -2.5e1, "x"], "nested": {"a": {"b": "deep"}}} )");
    ASSERT_TRUE(document);
    const JsonValue& root = *document;
    EXPECT_EQ(root["count"].number(), 23.0);
    EXPECT_TRUE(root["ok"].isTrue());
    EXPECT_FALSE(root["off"].isTrue());
    EXPECT_TRUE(root["none"].isNull());
    EXPECT_EQ(root["name"].text(), "Caf\xc3\xa9 \"A\"\n");
    EXPECT_EQ(root["clef"].text(), "\xf0\x9d\x84\x9e");
    ASSERT_EQ(root["list"].elements().size(), 3u);
    EXPECT_EQ(root["list"].elements()[1].number(), -25.0);
    EXPECT_EQ(root["nested"]["a"]["b"].text(), "deep");
    EXPECT_TRUE(root["missing"]["deeper"].isNull());
    EXPECT_TRUE(root["count"].elements().empty());
    EXPECT_EQ(root["count"].text(), "");
}

TEST(JsonValueTest, RefusesWhatIsNotJson) {
    const std::vector<std::string> faults{
        "",
        "{",
        "{\"a\" 1}",
        "{\"a\": 1,}",
        "[1 2]",
        "[1] x",
        "\"unterminated",
        "\"bad \\q escape\"",
        "\"\\ud834 lone\\u12\"",
        "tru",
        "+1",
        "1.2.3",
        "<html>Service moved</html>",
        "\"control \x01 byte\"",
        std::string(100, '[') + std::string(100, ']'),
    };
    for (const std::string& fault : faults) {
        EXPECT_FALSE(parseJson(fault)) << fault;
    }
    EXPECT_TRUE(parseJson(std::string(60, '[') + std::string(60, ']')));
}

}  // namespace
}  // namespace vorlix
