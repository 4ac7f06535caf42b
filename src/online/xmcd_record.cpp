#include "online/xmcd_record.h"

#include <charconv>
#include <optional>

#include "online/media_tag.h"

namespace vorlix {

namespace {

constexpr std::string_view kRevisionComment = "# Revision:";

std::string unescaped(std::string_view value) {
    std::string text;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            text += value[i];
            continue;
        }
        const char escaped = value[++i];
        text += escaped == 'n' ? '\n' : escaped == 't' ? '\t' : escaped;
    }
    return text;
}

std::optional<std::size_t> trackIndexOf(std::string_view key, std::string_view prefix) {
    if (key.size() <= prefix.size() || key.substr(0, prefix.size()) != prefix) {
        return std::nullopt;
    }
    const std::string_view digits = key.substr(prefix.size());
    std::size_t index = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), index);
    if (error != std::errc() || end != digits.data() + digits.size() || index >= kMaxAudioTracks) {
        return std::nullopt;
    }
    return index;
}

void appendTo(std::vector<std::string>& values, std::size_t index, std::string_view part) {
    if (values.size() <= index) {
        values.resize(index + 1);
    }
    values[index] += part;
}

int revisionOf(std::string_view comment) {
    std::string_view digits = comment.substr(kRevisionComment.size());
    while (!digits.empty() && digits.front() == ' ') {
        digits.remove_prefix(1);
    }
    int revision = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), revision);
    return revision;
}

void addLine(XmcdRecord& record, std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        return;
    }
    const std::string_view key = line.substr(0, equals);
    const std::string_view value = line.substr(equals + 1);
    if (key == "DISCID") {
        record.discIds += value;
    } else if (key == "DTITLE") {
        record.discTitle += value;
    } else if (key == "DYEAR") {
        record.year += value;
    } else if (key == "DGENRE") {
        record.genre += value;
    } else if (key == "EXTD") {
        record.extended += value;
    } else if (key == "PLAYORDER") {
        record.playOrder += value;
    } else if (const auto title = trackIndexOf(key, "TTITLE")) {
        appendTo(record.trackTitles, *title, value);
    } else if (const auto extra = trackIndexOf(key, "EXTT")) {
        appendTo(record.trackExtended, *extra, value);
    }
}

void unescapeAll(XmcdRecord& record) {
    for (std::string* value : {&record.discIds, &record.discTitle, &record.year, &record.genre,
                               &record.extended, &record.playOrder}) {
        *value = unescaped(*value);
    }
    for (std::vector<std::string>* values : {&record.trackTitles, &record.trackExtended}) {
        for (std::string& value : *values) {
            value = unescaped(value);
        }
    }
}

}  // namespace

XmcdRecord parseXmcd(const std::vector<std::string>& lines) {
    XmcdRecord record;
    for (const std::string& line : lines) {
        if (line.rfind(kRevisionComment, 0) == 0) {
            record.revision = revisionOf(line);
        } else if (!line.empty() && line.front() != '#') {
            addLine(record, line);
        }
    }
    // Escapes are undone only now: a long value may be split in the middle of one.
    unescapeAll(record);
    return record;
}

ArtistAndTitle splitDiscTitle(std::string_view discTitle) {
    constexpr std::string_view kSeparator = " / ";
    const std::size_t separator = discTitle.find(kSeparator);
    if (separator == std::string_view::npos) {
        return {std::string(discTitle), std::string(discTitle)};
    }
    return {std::string(discTitle.substr(0, separator)),
            std::string(discTitle.substr(separator + kSeparator.size()))};
}

}  // namespace vorlix
