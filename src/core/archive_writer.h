#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vorlix {

class CodePage;
struct ArchiveClass;

// Writes the primitives of the object archive into a byte buffer. Texts go out in the code page
// when every character maps, otherwise in the wide-character form.
class ArchiveWriter {
public:
    explicit ArchiveWriter(const CodePage& codePage);

    void writeByte(std::uint8_t value);
    void writeWord(std::uint16_t value);
    void writeDword(std::uint32_t value);
    void writeCount(std::uint32_t value);
    void writeText(std::string_view utf8);
    void writeBytes(std::span<const std::uint8_t> bytes);
    void writeNull();
    // Starts a new object of the class: its class description the first time, a class
    // reference afterwards. The caller writes the body next. Objects of this model are owned
    // by exactly one holder, so each is written once and no earlier-object form is needed.
    void beginObject(const ArchiveClass& cls);

    const CodePage& codePage() const { return m_codePage; }
    std::string& bytes() { return m_out; }
    std::string takeBytes() { return std::move(m_out); }

private:
    void writeLengthPrefix(std::size_t length);

    const CodePage& m_codePage;
    std::string m_out;
    std::string m_scratch;
    std::vector<std::pair<const ArchiveClass*, std::uint32_t>> m_classIndices;
    std::uint32_t m_nextIndex = 1;
};

}  // namespace vorlix
