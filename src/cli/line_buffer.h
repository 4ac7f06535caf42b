#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <string_view>

namespace vorlix {

// Output lines made in place: the caller asks for room for the most a line can take, writes
// the line there, and commits what it wrote. A dump makes millions of lines, and appending
// piece by piece to a string would cost more than making them.
class LineBuffer {
public:
    char* room(std::size_t n) { return m_capacity - m_size >= n ? m_data.get() + m_size : grow(n); }
    void commit(const char* end) { m_size = static_cast<std::size_t>(end - m_data.get()); }
    std::string_view view() const { return {m_data.get(), m_size}; }
    std::size_t size() const { return m_size; }
    void clear() { m_size = 0; }

private:
    char* grow(std::size_t n);

    std::unique_ptr<char[]> m_data;
    std::size_t m_capacity = 0;
    std::size_t m_size = 0;
};

// Copies a literal into a line being made; returns the end.
inline char* putText(char* out, std::string_view literal) {
    std::memcpy(out, literal.data(), literal.size());
    return out + literal.size();
}

}  // namespace vorlix
