#pragma once

#include <string>
#include <utility>

namespace vorlix {

// What an operation that can fail gives back: success, or the message that tells the user why
// it failed. Marked so that a caller cannot drop it without a word; an empty message is never
// taken to mean success.
class [[nodiscard]] Result {
public:
    static Result success() { return Result(true, {}); }
    static Result failure(std::string message) { return Result(false, std::move(message)); }

    bool ok() const { return m_ok; }
    explicit operator bool() const { return m_ok; }
    // Why it failed; empty on success.
    const std::string& message() const { return m_message; }

private:
    Result(bool ok, std::string message) : m_ok(ok), m_message(std::move(message)) {}

    bool m_ok;
    std::string m_message;
};

}  // namespace vorlix
