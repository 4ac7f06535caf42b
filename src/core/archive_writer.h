#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/byte_sink.h"

namespace vorlix {

class CodePage;
struct ArchiveClass;

// Writes the primitives of the object archive to a sink, through a buffer of its own so that a
// large catalogue never needs one large block of memory. Texts go out in the code page when
// every character maps, otherwise in the wide-character form.
class ArchiveWriter {
public:
    ArchiveWriter(const CodePage& codePage, ByteSink& sink);
    // A writer that goes on from where `known` stands, into a sink of its own, for parts of
    // one archive written side by side: the classes `known` has described are known to it, and
    // it may describe no new one, since the writers of the parts that follow would not know of
    // it (std::logic_error).
    ArchiveWriter(const ArchiveWriter& known, ByteSink& sink);
    ArchiveWriter(const ArchiveWriter&) = delete;
    ArchiveWriter& operator=(const ArchiveWriter&) = delete;

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
    // A new object of the class whose body is the texts and then an empty count. The same as
    // beginObject, writeText for each and writeCount(0), in one go for the usual case of
    // millions of such objects in a row with short plain texts.
    void writeObjectOfTexts(const ArchiveClass& cls, std::span<const std::string_view> texts);

    // Bytes that a writer going on from this one made, in the place they take in the archive.
    void writePart(std::string_view bytes);
    // Counts the objects that writers going on from this one began.
    void countObjects(std::uint64_t objects);

    const CodePage& codePage() const { return m_codePage; }
    // Hands everything written so far to the sink. Call once the archive is complete.
    void flush();

private:
    // Room for n more bytes in the buffer (n at most its capacity); the caller fills it and
    // counts it in m_size.
    char* room(std::size_t n);
    void writeLengthPrefix(std::size_t length);

    const CodePage& m_codePage;
    ByteSink& m_sink;
    std::unique_ptr<char[]> m_buffer;
    std::size_t m_size = 0;
    std::string m_scratch;
    std::vector<std::pair<const ArchiveClass*, std::uint32_t>> m_classIndices;
    const ArchiveClass* m_lastClass = nullptr;  // the class last referred to in its short form
    std::uint16_t m_lastClassWord = 0;
    std::uint32_t m_nextIndex = 1;
    bool m_describesClasses = true;
};

}  // namespace vorlix
