#include "online/xmcd_writer.h"

#include <string_view>

namespace vorlix {

namespace {

// The format's line limit, with room to spare for servers that count the line end.
constexpr std::size_t kMaxLineLength = 250;

std::string escaped(std::string_view piece) {
    std::string text;
    for (const char c : piece) {
        text += c == '\n' ? "\\n" : c == '\t' ? "\\t" : c == '\\' ? "\\\\" : std::string(1, c);
    }
    return text;
}

bool continuesCharacter(char c) {
    return (static_cast<unsigned char>(c) & 0xc0) == 0x80;
}

// Splits only between characters, never inside a UTF-8 sequence or an escape.
void writeValue(std::string& xmcd, const std::string& key, std::string_view value) {
    const std::size_t room = kMaxLineLength - key.size() - 1;
    std::string line;
    for (std::size_t i = 0; i < value.size();) {
        std::size_t end = i + 1;
        while (end < value.size() && continuesCharacter(value[end])) {
            ++end;
        }
        const std::string piece = escaped(value.substr(i, end - i));
        if (line.size() + piece.size() > room) {
            xmcd += key + "=" + line + "\n";
            line.clear();
        }
        line += piece;
        i = end;
    }
    xmcd += key + "=" + line + "\n";
}

std::string valueAt(const std::vector<std::string>& values, std::size_t index) {
    return index < values.size() ? values[index] : std::string();
}

std::string discIdsOf(const XmcdRecord& record, const MediaTag& disc) {
    const std::string id = discIdText(disc.discId);
    return record.discIds.find(id) != std::string::npos ? record.discIds : id;
}

}  // namespace

std::string formatXmcd(const XmcdRecord& record, const MediaTag& disc,
                       const std::string& submitter) {
    std::string xmcd = "# xmcd\n#\n# Track frame offsets:\n";
    for (const std::uint32_t offset : disc.offsets) {
        xmcd += "#\t" + std::to_string(offset) + "\n";
    }
    xmcd += "#\n# Disc length: " + std::to_string(disc.discSeconds) + " seconds\n#\n";
    xmcd += "# Revision: " + std::to_string(record.revision) + "\n";
    xmcd += "# Submitted via: " + submitter + "\n#\n";
    writeValue(xmcd, "DISCID", discIdsOf(record, disc));
    writeValue(xmcd, "DTITLE", record.discTitle);
    writeValue(xmcd, "DYEAR", record.year);
    writeValue(xmcd, "DGENRE", record.genre);
    for (std::size_t i = 0; i < disc.offsets.size(); ++i) {
        writeValue(xmcd, "TTITLE" + std::to_string(i), valueAt(record.trackTitles, i));
    }
    writeValue(xmcd, "EXTD", record.extended);
    for (std::size_t i = 0; i < disc.offsets.size(); ++i) {
        writeValue(xmcd, "EXTT" + std::to_string(i), valueAt(record.trackExtended, i));
    }
    writeValue(xmcd, "PLAYORDER", record.playOrder);
    return xmcd;
}

}  // namespace vorlix
