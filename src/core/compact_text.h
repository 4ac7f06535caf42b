#pragma once

#include <bit>
#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>

namespace vorlix {

// A text in the size of a pointer: up to seven bytes sit in the object itself, a longer text
// in a block of its own. Keys and values of named objects are mostly short, and a file can
// hold millions of them, each of which must cost about what it takes in the file.
class CompactText {
public:
    CompactText() { m_bytes[0] = kInline; }
    CompactText(std::string_view text) { assign(text); }
    CompactText(const std::string& text) : CompactText(std::string_view(text)) {}
    CompactText(const char* text) : CompactText(std::string_view(text)) {}
    CompactText(const CompactText& other) : CompactText(other.view()) {}
    CompactText& operator=(const CompactText& other);
    CompactText(CompactText&& other) noexcept;
    CompactText& operator=(CompactText&& other) noexcept;
    ~CompactText() { release(); }

    std::string_view view() const;
    operator std::string_view() const { return view(); }
    operator std::string() const { return str(); }
    std::string str() const { return std::string(view()); }
    CompactText& operator+=(std::string_view more) { return *this = str().append(more); }
    bool empty() const { return view().empty(); }
    std::size_t size() const { return view().size(); }

    friend bool operator==(const CompactText& a, const CompactText& b) {
        return a.view() == b.view();
    }
    friend bool operator==(const CompactText& a, std::string_view b) { return a.view() == b; }
    friend bool operator==(const CompactText& a, const char* b) {
        return a.view() == std::string_view(b);
    }
    friend bool operator==(const CompactText& a, const std::string& b) { return a.view() == b; }
    friend std::string operator+(const CompactText& a, std::string_view b) {
        return a.str().append(b);
    }
    friend std::string operator+(std::string_view a, const CompactText& b) {
        return std::string(a).append(b.view());
    }

private:
    static_assert(std::endian::native == std::endian::little,
                  "the mark of an inline text shares its byte with a pointer's lowest bits");
    // The first byte of an inline text: its length shifted left once, with the low bit set,
    // which an aligned pointer never has.
    static constexpr char kInline = 1;
    static constexpr std::size_t kInlineCapacity = sizeof(char*) - 1;

    bool isInline() const { return (m_bytes[0] & 1) != 0; }
    char* block() const;
    void assign(std::string_view text);
    void release();

    alignas(char*) char m_bytes[sizeof(char*)];
};

std::ostream& operator<<(std::ostream& out, const CompactText& text);

}  // namespace vorlix
