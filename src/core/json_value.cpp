#include "core/json_value.h"

#include <charconv>
#include <cstdint>

namespace vorlix {

namespace {

constexpr int kMaxDepth = 64;

void appendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xc0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3f));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xe0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3f));
        out += static_cast<char>(0x80 | (code & 0x3f));
    } else {
        out += static_cast<char>(0xf0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3f));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3f));
        out += static_cast<char>(0x80 | (code & 0x3f));
    }
}

class JsonParser {
public:
    explicit JsonParser(std::string_view text) : m_text(text) {}

    std::optional<JsonValue> document() {
        std::optional<JsonValue> value = parseValue(0);
        skipBlanks();
        if (!value || m_at != m_text.size()) {
            return std::nullopt;
        }
        return value;
    }

private:
    void skipBlanks() {
        while (m_at < m_text.size() && (m_text[m_at] == ' ' || m_text[m_at] == '\t' ||
                                        m_text[m_at] == '\n' || m_text[m_at] == '\r')) {
            ++m_at;
        }
    }

    bool take(char c) {
        skipBlanks();
        if (m_at < m_text.size() && m_text[m_at] == c) {
            ++m_at;
            return true;
        }
        return false;
    }

    bool takeWord(std::string_view word) {
        if (m_text.substr(m_at, word.size()) != word) {
            return false;
        }
        m_at += word.size();
        return true;
    }

    std::optional<JsonValue> parseValue(int depth) {
        skipBlanks();
        if (depth > kMaxDepth || m_at >= m_text.size()) {
            return std::nullopt;
        }
        const char c = m_text[m_at];
        if (c == '{') {
            return parseObject(depth);
        }
        if (c == '[') {
            return parseArray(depth);
        }
        if (c == '"') {
            std::optional<std::string> text = parseString();
            return text ? std::optional<JsonValue>(JsonValue(std::move(*text))) : std::nullopt;
        }
        if (takeWord("true")) {
            return JsonValue(true);
        }
        if (takeWord("false")) {
            return JsonValue(false);
        }
        if (takeWord("null")) {
            return JsonValue();
        }
        return parseNumber();
    }

    std::optional<JsonValue> parseObject(int depth) {
        ++m_at;
        JsonValue::Object members;
        if (take('}')) {
            return JsonValue(std::move(members));
        }
        do {
            skipBlanks();
            std::optional<std::string> name = parseString();
            if (!name || !take(':')) {
                return std::nullopt;
            }
            std::optional<JsonValue> value = parseValue(depth + 1);
            if (!value) {
                return std::nullopt;
            }
            members.emplace_back(std::move(*name), std::move(*value));
        } while (take(','));
        return take('}') ? std::optional<JsonValue>(JsonValue(std::move(members))) : std::nullopt;
    }

    std::optional<JsonValue> parseArray(int depth) {
        ++m_at;
        JsonValue::Array elements;
        if (take(']')) {
            return JsonValue(std::move(elements));
        }
        do {
            std::optional<JsonValue> value = parseValue(depth + 1);
            if (!value) {
                return std::nullopt;
            }
            elements.push_back(std::move(*value));
        } while (take(','));
        return take(']') ? std::optional<JsonValue>(JsonValue(std::move(elements))) : std::nullopt;
    }

    std::optional<std::uint32_t> hexQuad() {
        if (m_at + 4 > m_text.size()) {
            return std::nullopt;
        }
        std::uint32_t code = 0;
        const char* first = m_text.data() + m_at;
        const auto [end, error] = std::from_chars(first, first + 4, code, 16);
        if (error != std::errc() || end != first + 4) {
            return std::nullopt;
        }
        m_at += 4;
        return code;
    }

    bool escaped(std::string& out) {
        if (m_at >= m_text.size()) {
            return false;
        }
        const char c = m_text[m_at++];
        switch (c) {
            case '"':
            case '\\':
            case '/':
                out += c;
                return true;
            case 'b':
                out += '\b';
                return true;
            case 'f':
                out += '\f';
                return true;
            case 'n':
                out += '\n';
                return true;
            case 'r':
                out += '\r';
                return true;
            case 't':
                out += '\t';
                return true;
            case 'u':
                return unicodeEscape(out);
            default:
                return false;
        }
    }

    bool unicodeEscape(std::string& out) {
        std::optional<std::uint32_t> code = hexQuad();
        if (!code) {
            return false;
        }
        if (*code >= 0xd800 && *code < 0xdc00 && takeWord("\\u")) {
            const std::optional<std::uint32_t> low = hexQuad();
            if (!low || *low < 0xdc00 || *low >= 0xe000) {
                return false;
            }
            *code = 0x10000 + ((*code - 0xd800) << 10) + (*low - 0xdc00);
        }
        appendUtf8(out, *code);
        return true;
    }

    std::optional<std::string> parseString() {
        if (m_at >= m_text.size() || m_text[m_at] != '"') {
            return std::nullopt;
        }
        ++m_at;
        std::string out;
        while (m_at < m_text.size()) {
            const char c = m_text[m_at++];
            if (c == '"') {
                return out;
            }
            if (c == '\\') {
                if (!escaped(out)) {
                    return std::nullopt;
                }
            } else if (static_cast<unsigned char>(c) < 0x20) {
                return std::nullopt;
            } else {
                out += c;
            }
        }
        return std::nullopt;
    }

    std::optional<JsonValue> parseNumber() {
        const std::size_t start = m_at;
        while (m_at < m_text.size() &&
               std::string_view("+-0123456789.eE").find(m_text[m_at]) != std::string_view::npos) {
            ++m_at;
        }
        if (m_at == start) {
            return std::nullopt;
        }
        // from_chars, unlike strtod, reads the same whatever locale the program runs in.
        const char* first = m_text.data() + start;
        const char* last = m_text.data() + m_at;
        double value = 0;
        const auto [end, error] = std::from_chars(first + (*first == '+' ? 1 : 0), last, value);
        if (error != std::errc() || end != last || *first == '+') {
            return std::nullopt;
        }
        return JsonValue(value);
    }

    std::string_view m_text;
    std::size_t m_at = 0;
};

const JsonValue& nullValue() {
    static const JsonValue kNull;
    return kNull;
}

}  // namespace

const JsonValue& JsonValue::operator[](std::string_view name) const {
    if (const auto* object = std::get_if<Object>(&m_value)) {
        for (const auto& [key, value] : *object) {
            if (key == name) {
                return value;
            }
        }
    }
    return nullValue();
}

const JsonValue::Array& JsonValue::elements() const {
    static const Array kNone;
    const auto* array = std::get_if<Array>(&m_value);
    return array != nullptr ? *array : kNone;
}

std::string JsonValue::text() const {
    const auto* text = std::get_if<std::string>(&m_value);
    return text != nullptr ? *text : std::string();
}

std::optional<double> JsonValue::number() const {
    const auto* number = std::get_if<double>(&m_value);
    return number != nullptr ? std::optional<double>(*number) : std::nullopt;
}

bool JsonValue::isTrue() const {
    const auto* flag = std::get_if<bool>(&m_value);
    return flag != nullptr && *flag;
}

std::optional<JsonValue> parseJson(std::string_view text) {
    return JsonParser(text).document();
}

}  // namespace vorlix
