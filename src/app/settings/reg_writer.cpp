#include "app/settings/reg_writer.h"

#include <cstdio>

#include "core/code_page.h"

namespace vorlix {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

void appendQuoted(std::string_view text, std::string& out) {
    out.push_back('"');
    for (const char c : text) {
        if (c == '\\' || c == '"') {
            out.push_back('\\');
        }
        out.push_back(c);
    }
    out.push_back('"');
}

void appendHex(reg::ValueType type, std::string_view bytes, std::string& out,
               std::size_t lineStart) {
    out += reg::kHexPrefix;
    if (type != reg::ValueType::Binary) {
        char number[16];
        std::snprintf(number, sizeof number, "(%x)", static_cast<unsigned>(type));
        out += number;
    }
    out.push_back(':');
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        char byte[4];
        std::snprintf(byte, sizeof byte, "%02x", static_cast<unsigned char>(bytes[i]));
        const std::size_t tokenSize = i + 1 < bytes.size() ? 3 : 2;
        // Leave room for the continuation mark; a break always follows a comma.
        if (i > 0 && out.size() - lineStart + tokenSize + 1 > reg::kHexLineWidth) {
            out.push_back(reg::kContinuation);
            out += kLineEnd;
            lineStart = out.size();
            out += reg::kHexIndent;
        }
        out += byte;
        if (i + 1 < bytes.size()) {
            out.push_back(',');
        }
    }
}

void appendValue(const RegValue& value, std::string& out) {
    const std::size_t lineStart = out.size();
    if (value.name.empty()) {
        out.push_back(reg::kDefaultValueName);
    } else {
        appendQuoted(value.name, out);
    }
    out.push_back('=');
    if (value.type == reg::ValueType::String) {
        if (value.data.find_first_of("\r\n") == std::string::npos) {
            appendQuoted(value.data, out);
        } else {
            appendHex(value.type, utf16leFromUtf8(value.data) + std::string(2, '\0'), out,
                      lineStart);
        }
    } else if (value.type == reg::ValueType::Dword && value.data.size() == 4) {
        char digits[16];
        std::snprintf(digits, sizeof digits, "%08x",
                      static_cast<unsigned>(dwordFromData(value.data)));
        out += reg::kDwordPrefix;
        out += digits;
    } else {
        appendHex(value.type, value.data, out, lineStart);
    }
    out += kLineEnd;
}

// A kept line that ends in the continuation mark was read without a continuation, because the
// line after it could not carry one (a blank line, say). Blank lines are not kept, so an empty
// line must follow it again: else the next kept line would be read as its continuation, and a
// damaged value could become one that applies.
bool endsInContinuation(std::string_view line) {
    const std::size_t last = line.find_last_not_of(" \t");
    return last != std::string_view::npos && line[last] == reg::kContinuation;
}

void appendKeyLine(const RegSection& section, std::string& out) {
    if (section.kind == RegSection::Kind::Kept) {
        out += section.keptHeader;
    } else {
        out.push_back('[');
        if (section.kind == RegSection::Kind::KeyDeletion) {
            out.push_back(reg::kDeletionMark);
        }
        out += reg::kCurrentUserHive;
        out.push_back('\\');
        out += section.path;
        out.push_back(']');
    }
    out += kLineEnd;
}

}  // namespace

std::string formatRegText(const RegDocument& document) {
    std::string out;
    out += reg::kHeaderVersion5;
    out += kLineEnd;
    out += kLineEnd;
    for (const auto& line : document.leading) {
        out += line;
        out += kLineEnd;
    }
    if (!document.leading.empty()) {
        out += kLineEnd;
    }
    for (const auto& section : document.sections) {
        appendKeyLine(section, out);
        for (const auto& entry : section.entries) {
            switch (entry.kind) {
                case RegEntry::Kind::Value:
                    appendValue(entry.value, out);
                    break;
                case RegEntry::Kind::Deletion:
                    if (entry.value.name.empty()) {
                        out.push_back(reg::kDefaultValueName);
                    } else {
                        appendQuoted(entry.value.name, out);
                    }
                    out.push_back('=');
                    out.push_back(reg::kDeletionMark);
                    out += kLineEnd;
                    break;
                case RegEntry::Kind::Kept:
                    for (const auto& line : entry.kept) {
                        out += line;
                        out += kLineEnd;
                    }
                    if (!entry.kept.empty() && endsInContinuation(entry.kept.back())) {
                        out += kLineEnd;
                    }
                    break;
            }
        }
        out += kLineEnd;
    }
    return out;
}

}  // namespace vorlix
