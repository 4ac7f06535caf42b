#include "core/compact_text.h"

#include <cstring>
#include <ostream>

#include "core/packed_text.h"

namespace vorlix {

char* CompactText::block() const {
    char* pointer = nullptr;
    std::memcpy(&pointer, m_bytes, sizeof pointer);
    return pointer;
}

std::string_view CompactText::view() const {
    if (isInline()) {
        return {m_bytes + 1, static_cast<std::size_t>(static_cast<unsigned char>(m_bytes[0]) >> 1)};
    }
    const char* p = block();
    return packed_text::take(p);
}

void CompactText::assign(std::string_view text) {
    if (text.size() <= kInlineCapacity) {
        m_bytes[0] = static_cast<char>((text.size() << 1) | 1);
        if (!text.empty()) {
            std::memcpy(m_bytes + 1, text.data(), text.size());
        }
        return;
    }
    // new[] gives an aligned block, whose address keeps the inline mark clear.
    char* stored = new char[packed_text::storedSize(text)];
    packed_text::put(stored, text);
    std::memcpy(m_bytes, &stored, sizeof stored);
}

void CompactText::release() {
    if (!isInline()) {
        delete[] block();
        m_bytes[0] = kInline;
    }
}

CompactText& CompactText::operator=(const CompactText& other) {
    if (this != &other) {
        release();
        assign(other.view());
    }
    return *this;
}

CompactText::CompactText(CompactText&& other) noexcept {
    std::memcpy(m_bytes, other.m_bytes, sizeof m_bytes);
    other.m_bytes[0] = kInline;
}

CompactText& CompactText::operator=(CompactText&& other) noexcept {
    if (this != &other) {
        release();
        std::memcpy(m_bytes, other.m_bytes, sizeof m_bytes);
        other.m_bytes[0] = kInline;
    }
    return *this;
}

std::ostream& operator<<(std::ostream& out, const CompactText& text) {
    return out << text.view();
}

}  // namespace vorlix
