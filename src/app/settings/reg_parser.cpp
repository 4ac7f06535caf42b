#include "app/settings/reg_parser.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/code_page.h"

namespace vorlix {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && sameRegName(text.substr(0, prefix.size()), prefix);
}

// A line as text to take apart, and as the bytes to write back should it be kept: a line that
// is neither UTF-8 nor from a UTF-16 file is read as Windows-1252 but kept byte for byte.
struct Line {
    std::string text;
    std::string raw;
};

std::vector<Line> decodedLines(std::string_view bytes) {
    std::string text;
    const bool utf16 = bytes.starts_with(reg::kUtf16LeBom);
    if (utf16) {
        appendUtf8FromUtf16le(bytes.substr(reg::kUtf16LeBom.size()), text);
        bytes = text;
    } else if (bytes.starts_with(reg::kUtf8Bom)) {
        bytes.remove_prefix(reg::kUtf8Bom.size());
    }
    std::vector<Line> lines;
    const Windows1252 ansi;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        // A file that went through two CR LF conversions ends its lines in CR CR LF.
        while (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        Line decoded{{}, std::string(line)};
        if (utf16 || isWellFormedUtf8(line)) {
            decoded.text = decoded.raw;
        } else {
            ansi.decode(line, decoded.text);
        }
        lines.push_back(std::move(decoded));
    }
    return lines;
}

std::optional<std::uint32_t> hexNumber(std::string_view digits, std::size_t maxDigits) {
    if (digits.empty() || digits.size() > maxDigits) {
        return std::nullopt;
    }
    std::uint32_t number = 0;
    for (const char c : digits) {
        int digit = 0;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else if (c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else {
            return std::nullopt;
        }
        number = number * 16 + static_cast<std::uint32_t>(digit);
    }
    return number;
}

// A quoted string from text[pos], which holds the opening quote; pos ends after the closing
// one. Only \\ and \" are escapes, as the registry editor writes them.
std::optional<std::string> quoted(std::string_view text, std::size_t& pos) {
    std::string out;
    for (++pos; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c == '"') {
            ++pos;
            return out;
        }
        if (c == '\\') {
            if (pos + 1 >= text.size() || (text[pos + 1] != '\\' && text[pos + 1] != '"')) {
                return std::nullopt;
            }
            ++pos;
        }
        out.push_back(text[pos]);
    }
    return std::nullopt;
}

std::optional<std::string> hexBytes(std::string_view list) {
    std::string bytes;
    list = trimmed(list);
    if (list.empty()) {
        return bytes;
    }
    while (true) {
        const std::size_t comma = list.find(',');
        const auto byte = hexNumber(trimmed(list.substr(0, comma)), 2);
        if (!byte) {
            return std::nullopt;
        }
        bytes.push_back(static_cast<char>(*byte));
        if (comma == std::string_view::npos) {
            return bytes;
        }
        list.remove_prefix(comma + 1);
    }
}

// Texts stored as hex(1) hold their terminator, UTF-16LE in version 5 files and code page
// bytes in version 4 ones; the text ends at the first zero.
std::string textFromHex(std::string_view bytes, RegDocument::Version version) {
    std::string text;
    if (version == RegDocument::Version::Four) {
        Windows1252().decode(bytes.substr(0, bytes.find('\0')), text);
        return text;
    }
    std::size_t units = 0;
    while (2 * units + 1 < bytes.size() &&
           (bytes[2 * units] != '\0' || bytes[2 * units + 1] != '\0')) {
        ++units;
    }
    appendUtf8FromUtf16le(bytes.substr(0, 2 * units), text);
    return text;
}

class Parser {
public:
    explicit Parser(std::vector<Line> lines) : m_lines(std::move(lines)) {}

    RegDocument run() {
        bool headerSeen = false;
        for (m_index = 0; m_index < m_lines.size(); ++m_index) {
            const std::string_view line = trimmed(m_lines[m_index].text);
            if (line.empty()) {
                continue;
            }
            if (!headerSeen) {
                headerSeen = true;
                if (line == reg::kHeaderVersion5 || line == reg::kHeaderVersion4) {
                    m_document.version = line == reg::kHeaderVersion5 ? RegDocument::Version::Five
                                                                      : RegDocument::Version::Four;
                    continue;
                }
                issue("the registry editor's header line is missing");
            }
            if (line.front() == reg::kCommentMark) {
                keep(m_index, m_index + 1, {});
            } else if (line.front() == '[') {
                section(line);
            } else if (m_document.sections.empty()) {
                keep(m_index, m_index + 1, "a line outside any key");
            } else if (m_document.sections.back().kind == RegSection::Kind::Kept) {
                keep(m_index, m_index + 1, {});
            } else if (line.front() == '"' || line.front() == reg::kDefaultValueName) {
                value();
            } else {
                keep(m_index, m_index + 1, "not a value line");
            }
        }
        return std::move(m_document);
    }

private:
    void issue(std::string reason) {
        m_document.issues.push_back({m_index + 1, std::move(reason)});
    }

    // Keeps the lines [first, end) as they are, under the current section or before all.
    void keep(std::size_t first, std::size_t end, std::string reason) {
        if (!reason.empty()) {
            m_document.issues.push_back({first + 1, std::move(reason)});
        }
        std::vector<std::string> lines;
        for (std::size_t i = first; i < end; ++i) {
            lines.push_back(m_lines[i].raw);
        }
        if (m_document.sections.empty()) {
            m_document.leading.insert(m_document.leading.end(), lines.begin(), lines.end());
            return;
        }
        RegEntry entry;
        entry.kind = RegEntry::Kind::Kept;
        entry.line = first + 1;
        entry.kept = std::move(lines);
        m_document.sections.back().entries.push_back(std::move(entry));
    }

    void section(std::string_view line) {
        RegSection section;
        section.kind = RegSection::Kind::Kept;
        section.line = m_index + 1;
        section.keptHeader = m_lines[m_index].raw;
        const std::size_t close = line.rfind(']');
        std::string_view inner =
            close == std::string_view::npos ? std::string_view() : line.substr(1, close - 1);
        const bool deletion = inner.starts_with(reg::kDeletionMark);
        if (deletion) {
            inner.remove_prefix(1);
        }
        const std::size_t slash = inner.find('\\');
        const std::string_view path = slash == std::string_view::npos
                                          ? std::string_view()
                                          : normalizedKeyPath(inner.substr(slash + 1));
        if (close != line.size() - 1) {
            issue("a damaged key line");
        } else if (!sameRegName(inner.substr(0, slash), reg::kCurrentUserHive)) {
            issue("a key outside HKEY_CURRENT_USER");
        } else if (!isKeyPath(path)) {
            issue("a key line without a key");
        } else {
            section.kind = deletion ? RegSection::Kind::KeyDeletion : RegSection::Kind::Key;
            section.path = std::string(path);
            section.keptHeader.clear();
        }
        m_document.sections.push_back(std::move(section));
    }

    void value() {
        const std::size_t first = m_index;
        std::string line(trimmed(m_lines[m_index].text));
        RegEntry entry;
        entry.line = first + 1;
        std::size_t pos = 0;
        if (line.front() == reg::kDefaultValueName) {
            pos = 1;
        } else if (auto name = quoted(line, pos)) {
            entry.value.name = std::move(*name);
        } else {
            keep(first, first + 1, "a damaged value name");
            return;
        }
        while (pos < line.size() && isBlank(line[pos])) {
            ++pos;
        }
        if (pos >= line.size() || line[pos] != '=') {
            keep(first, first + 1, "a value without \"=\"");
            return;
        }
        ++pos;
        while (pos < line.size() && isBlank(line[pos])) {
            ++pos;
        }
        if (startsWithNoCase(std::string_view(line).substr(pos), reg::kHexPrefix)) {
            // Join continuation lines before taking the bytes apart.
            while (line.ends_with(reg::kContinuation) && continues(m_index + 1)) {
                line.pop_back();
                line += trimmed(m_lines[++m_index].text);
            }
            if (line.ends_with(reg::kContinuation)) {
                line.pop_back();
            }
        }
        if (const char* failure = data(std::string_view(line).substr(pos), entry)) {
            keep(first, m_index + 1, failure);
            return;
        }
        m_document.sections.back().entries.push_back(std::move(entry));
    }

    // Whether line i can carry on hex data: a cut-off value must not swallow the next key or
    // value.
    bool continues(std::size_t i) const {
        if (i >= m_lines.size()) {
            return false;
        }
        const std::string_view next = trimmed(m_lines[i].text);
        return !next.empty() && next.front() != '[' && next.front() != '"' &&
               next.front() != reg::kDefaultValueName && next.front() != reg::kCommentMark;
    }

    // Fills the entry from the text after "="; returns why it cannot, or null.
    const char* data(std::string_view text, RegEntry& entry) const {
        RegValue& value = entry.value;
        if (text == std::string_view(&reg::kDeletionMark, 1)) {
            entry.kind = RegEntry::Kind::Deletion;
            return nullptr;
        }
        if (text.starts_with('"')) {
            std::size_t pos = 0;
            auto content = quoted(text, pos);
            // A registry text ends at its first zero, as the hex(1) form does; one with a
            // zero inside is damaged, not cut short.
            if (!content || pos != text.size() || content->find('\0') != std::string::npos) {
                return "a damaged text value";
            }
            value.type = reg::ValueType::String;
            value.data = std::move(*content);
            return nullptr;
        }
        if (startsWithNoCase(text, reg::kDwordPrefix)) {
            const auto number = hexNumber(text.substr(reg::kDwordPrefix.size()), 8);
            if (!number) {
                return "a damaged dword value";
            }
            value.type = reg::ValueType::Dword;
            value.data = dwordData(*number);
            return nullptr;
        }
        if (startsWithNoCase(text, reg::kHexPrefix)) {
            return hexData(text.substr(reg::kHexPrefix.size()), value);
        }
        return "a value of unknown form";
    }

    const char* hexData(std::string_view text, RegValue& value) const {
        std::optional<std::uint32_t> type = static_cast<std::uint32_t>(reg::ValueType::Binary);
        if (text.starts_with('(')) {
            const std::size_t close = text.find(')');
            type = close == std::string_view::npos ? std::nullopt
                                                   : hexNumber(text.substr(1, close - 1), 8);
            text.remove_prefix(close == std::string_view::npos ? text.size() : close + 1);
        }
        if (!type || !text.starts_with(':')) {
            return "a damaged hex value type";
        }
        auto bytes = hexBytes(text.substr(1));
        if (!bytes) {
            return "damaged hex bytes";
        }
        value.type = static_cast<reg::ValueType>(*type);
        value.data = std::move(*bytes);
        if (value.type == reg::ValueType::String) {
            value.data = textFromHex(value.data, m_document.version);
        }
        return nullptr;
    }

    std::vector<Line> m_lines;
    std::size_t m_index = 0;
    RegDocument m_document;
};

}  // namespace

RegDocument parseRegText(std::string_view bytes) {
    return Parser(decodedLines(bytes)).run();
}

}  // namespace vorlix
