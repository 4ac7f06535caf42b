#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace vorlix {

// A JSON value as web services send them: enough to read replies, not to write them.
class JsonValue {
public:
    using Array = std::vector<JsonValue>;
    using Object = std::vector<std::pair<std::string, JsonValue>>;

    JsonValue() = default;
    explicit JsonValue(bool value) : m_value(value) {}
    explicit JsonValue(double value) : m_value(value) {}
    explicit JsonValue(std::string value) : m_value(std::move(value)) {}
    explicit JsonValue(Array value) : m_value(std::move(value)) {}
    explicit JsonValue(Object value) : m_value(std::move(value)) {}

    // The member of that name of an object; a null value for anything else.
    const JsonValue& operator[](std::string_view name) const;
    // The elements of an array; none for anything else.
    const Array& elements() const;
    // A string's text; empty for anything else.
    std::string text() const;
    std::optional<double> number() const;
    bool isTrue() const;
    bool isNull() const { return std::holds_alternative<std::monostate>(m_value); }

private:
    std::variant<std::monostate, bool, double, std::string, Array, Object> m_value;
};

// The value of a whole JSON text, nullopt when it is not one (or nests deeper than 64 levels).
std::optional<JsonValue> parseJson(std::string_view text);

}  // namespace vorlix
