#include "online/media_tag.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "online/freedb_control.h"
#include "platform/http_client.h"

namespace vorlix {
namespace {

struct TagCase {
    const char* name;
    std::vector<std::uint32_t> starts;
    std::uint32_t leadOut;
    const char* tag;
};

class MediaTagOfToc : public testing::TestWithParam<TagCase> {};

TEST_P(MediaTagOfToc, GivesTheCddbQueryArguments) {
    const TagCase& c = GetParam();
    const std::optional<MediaTag> tag = mediaTagOf(AudioToc{1, c.starts, c.leadOut});
    ASSERT_TRUE(tag);
    EXPECT_EQ(formatMediaTag(*tag), c.tag);
    EXPECT_EQ(parseMediaTag(c.tag), tag);
}

INSTANTIATE_TEST_SUITE_P(
    Discs, MediaTagOfToc,
    testing::Values(
        TagCase{"three_tracks", {0, 15000, 30000}, 45000, "0c025803 3 150 15150 30150 602"},
        TagCase{"one_track", {0}, 20000, "02010a01 1 150 268"},
        TagCase{
            "first_track_after_a_pregap",
            {32, 17932, 33577, 50240, 66117, 84420, 100947, 118272, 134210, 152265, 170167, 186735},
            205147,
            "9e0aaf0c 12 182 18082 33727 50390 66267 84570 101097 118422 134360 "
            "152415 170317 186885 2737"}),
    [](const testing::TestParamInfo<TagCase>& info) { return info.param.name; });

TEST(MediaTagOfToc, WrapsTheChecksumOfAFullDisc) {
    AudioToc toc;
    for (std::uint32_t track = 0; track < 99; ++track) {
        toc.trackStarts.push_back(track * 3500);
    }
    toc.leadOut = 99 * 3500;
    const std::optional<MediaTag> tag = mediaTagOf(toc);
    ASSERT_TRUE(tag);
    EXPECT_EQ(discIdText(tag->discId), "fc120c63");
}

TEST(MediaTagOfToc, RefusesTablesNoDiscHas) {
    EXPECT_FALSE(mediaTagOf(AudioToc{1, {}, 45000}));
    EXPECT_FALSE(mediaTagOf(AudioToc{1, {0, 15000, 15000}, 45000}));
    EXPECT_FALSE(mediaTagOf(AudioToc{1, {0, 15000}, 15000}));
    EXPECT_FALSE(mediaTagOf(AudioToc{1, std::vector<std::uint32_t>(100, 0), 45000}));
}

TEST(ParseMediaTag, RefusesTextsThatAreNoQueryArguments) {
    for (const char* text :
         {"", "0c025803", "0c025803 3 150 15150 602", "0c025803 3 150 15150 30150 40000 602",
          "0c02580 3 150 15150 30150 602", "0c02580x 3 150 15150 30150 602",
          "0c025803 3 150 30150 15150 602", "0c025803  3 150 15150 30150 602",
          "0c025803 3 150 15150 30150 602 ", "0c025803 0 602"}) {
        EXPECT_FALSE(parseMediaTag(text)) << '"' << text << '"';
    }
}

class NoHttp final : public HttpClient {
public:
    HttpReply get(const std::string&) override { return {}; }
    HttpReply post(const std::string&, const std::string&, const std::string&) override {
        return {};
    }
};

TEST(FreedbControlMediaTag, ComesFromTheDrivesTableOfContents) {
    NoHttp http;
    std::vector<std::string> asked;
    C_uFREEDB control(http,
                      [&](const std::string& drivePath) -> std::optional<AudioToc> {
                          asked.push_back(drivePath);
                          if (drivePath == "D:\\") {
                              return AudioToc{1, {0, 15000, 30000}, 45000};
                          }
                          return std::nullopt;
                      },
                      {});
    EXPECT_EQ(control.mediaTag("D:\\"), "0c025803 3 150 15150 30150 602");
    EXPECT_EQ(control.mediaTag("E:\\"), "");
    EXPECT_EQ(asked, (std::vector<std::string>{"D:\\", "E:\\"}));
}

}  // namespace
}  // namespace vorlix
