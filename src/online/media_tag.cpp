#include "online/media_tag.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "online/cddb_disc_id.h"

namespace vorlix {

namespace {

constexpr std::uint32_t kFramesPerSecond = 75;
constexpr std::uint32_t kLeadInFrames = 150;

bool increasing(const std::vector<std::uint32_t>& values) {
    return std::adjacent_find(values.begin(), values.end(), [](std::uint32_t a, std::uint32_t b) {
               return a >= b;
           }) == values.end();
}

std::vector<std::string_view> wordsOf(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        words.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

std::optional<std::uint32_t> numberOf(std::string_view word, int base = 10) {
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value, base);
    if (word.empty() || error != std::errc() || end != word.data() + word.size()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::optional<MediaTag> mediaTagOf(const AudioToc& toc) {
    if (toc.trackStarts.empty() || toc.trackStarts.size() > kMaxAudioTracks ||
        !increasing(toc.trackStarts) || toc.leadOut <= toc.trackStarts.back()) {
        return std::nullopt;
    }
    MediaTag tag;
    for (const std::uint32_t start : toc.trackStarts) {
        tag.offsets.push_back(start + kLeadInFrames);
    }
    tag.discSeconds = (toc.leadOut + kLeadInFrames) / kFramesPerSecond;
    tag.discId = cddbDiscId(tag.offsets, tag.discSeconds);
    return tag;
}

std::optional<MediaTag> parseMediaTag(std::string_view text) {
    const std::vector<std::string_view> words = wordsOf(text);
    if (words.size() < 4 || words.front().size() != 8) {
        return std::nullopt;
    }
    const std::optional<std::uint32_t> discId = numberOf(words.front(), 16);
    const std::optional<std::uint32_t> count = numberOf(words[1]);
    const std::optional<std::uint32_t> discSeconds = numberOf(words.back());
    if (!discId || !count || !discSeconds || *count == 0 || *count > kMaxAudioTracks ||
        words.size() != *count + 3) {
        return std::nullopt;
    }
    MediaTag tag{*discId, {}, *discSeconds};
    for (std::size_t i = 2; i + 1 < words.size(); ++i) {
        const std::optional<std::uint32_t> offset = numberOf(words[i]);
        if (!offset) {
            return std::nullopt;
        }
        tag.offsets.push_back(*offset);
    }
    if (!increasing(tag.offsets)) {
        return std::nullopt;
    }
    return tag;
}

std::string formatMediaTag(const MediaTag& tag) {
    std::string text = discIdText(tag.discId) + " " + std::to_string(tag.offsets.size());
    for (const std::uint32_t offset : tag.offsets) {
        text += " " + std::to_string(offset);
    }
    return text + " " + std::to_string(tag.discSeconds);
}

std::string discIdText(std::uint32_t discId) {
    char text[9];
    std::snprintf(text, sizeof text, "%08x", static_cast<unsigned>(discId));
    return text;
}

std::uint32_t trackSeconds(const MediaTag& tag, std::size_t index) {
    if (index >= tag.offsets.size()) {
        return 0;
    }
    const std::uint32_t start = tag.offsets[index];
    const std::uint32_t end = index + 1 < tag.offsets.size() ? tag.offsets[index + 1]
                                                             : tag.discSeconds * kFramesPerSecond;
    return end > start ? (end - start) / kFramesPerSecond : 0;
}

}  // namespace vorlix
