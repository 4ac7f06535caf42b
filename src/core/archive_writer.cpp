#include "core/archive_writer.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "core/archive_format.h"
#include "core/archive_reader.h"
#include "core/code_page.h"
#include "core/plain_copy.h"

namespace vorlix {

namespace {

constexpr std::size_t kBufferSize = 1 << 18;

}  // namespace

ArchiveWriter::ArchiveWriter(const CodePage& codePage, ByteSink& sink)
    : m_codePage(codePage),
      m_sink(sink),
      m_buffer(std::make_unique_for_overwrite<char[]>(kBufferSize)) {}

ArchiveWriter::ArchiveWriter(const ArchiveWriter& known, ByteSink& sink)
    : m_codePage(known.m_codePage),
      m_sink(sink),
      m_buffer(std::make_unique_for_overwrite<char[]>(kBufferSize)),
      m_classIndices(known.m_classIndices),
      m_lastClass(known.m_lastClass),
      m_lastClassWord(known.m_lastClassWord),
      m_nextIndex(known.m_nextIndex),
      m_describesClasses(false) {}

char* ArchiveWriter::room(std::size_t n) {
    if (m_size + n > kBufferSize) {
        flush();
    }
    return m_buffer.get() + m_size;
}

void ArchiveWriter::flush() {
    if (m_size > 0) {
        m_sink.write(m_buffer.get(), m_size);
        m_size = 0;
    }
}

void ArchiveWriter::writePart(std::string_view bytes) {
    flush();
    m_sink.write(bytes.data(), bytes.size());
}

void ArchiveWriter::countObjects(std::uint64_t objects) {
    m_nextIndex += static_cast<std::uint32_t>(objects);
}

void ArchiveWriter::writeByte(std::uint8_t value) {
    *room(1) = static_cast<char>(value);
    m_size += 1;
}

void ArchiveWriter::writeWord(std::uint16_t value) {
    char* out = room(2);
    out[0] = static_cast<char>(value & 0xFF);
    out[1] = static_cast<char>(value >> 8);
    m_size += 2;
}

void ArchiveWriter::writeDword(std::uint32_t value) {
    char* out = room(4);
    for (int i = 0; i < 4; ++i) {
        out[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
    m_size += 4;
}

void ArchiveWriter::writeCount(std::uint32_t value) {
    if (value < archive::kCountEscape) {
        writeWord(static_cast<std::uint16_t>(value));
    } else {
        writeWord(archive::kCountEscape);
        writeDword(value);
    }
}

void ArchiveWriter::writeLengthPrefix(std::size_t length) {
    if (length < archive::kTextByteEscape) {
        writeByte(static_cast<std::uint8_t>(length));
    } else if (length < archive::kTextWide) {
        writeByte(archive::kTextByteEscape);
        writeWord(static_cast<std::uint16_t>(length));
    } else {
        writeByte(archive::kTextByteEscape);
        writeWord(archive::kTextWordEscape);
        writeDword(static_cast<std::uint32_t>(length));
    }
}

void ArchiveWriter::writeText(std::string_view utf8) {
    if (utf8.size() < archive::kTextByteEscape) {
        // The common case: a short ASCII text, its length byte and its bytes in one go.
        char* out = room(1 + utf8.size());
        if (copyIfPlain(out + 1, utf8, asciiChunk)) {
            out[0] = static_cast<char>(utf8.size());
            m_size += 1 + utf8.size();
            return;
        }
    }
    m_scratch.clear();
    if (m_codePage.encode(utf8, m_scratch)) {
        writeLengthPrefix(m_scratch.size());
        writeBytes({reinterpret_cast<const std::uint8_t*>(m_scratch.data()), m_scratch.size()});
        return;
    }
    const std::string wide = utf16leFromUtf8(utf8);
    writeByte(archive::kTextByteEscape);
    writeWord(archive::kTextWide);
    writeLengthPrefix(wide.size() / 2);
    writeBytes({reinterpret_cast<const std::uint8_t*>(wide.data()), wide.size()});
}

void ArchiveWriter::writeBytes(std::span<const std::uint8_t> bytes) {
    const auto* data = reinterpret_cast<const char*>(bytes.data());
    if (bytes.size() > kBufferSize / 2) {
        flush();
        m_sink.write(data, bytes.size());
        return;
    }
    if (!bytes.empty()) {
        std::memcpy(room(bytes.size()), data, bytes.size());
    }
    m_size += bytes.size();
}

void ArchiveWriter::writeNull() {
    writeWord(archive::kNullTag);
}

void ArchiveWriter::beginObject(const ArchiveClass& cls) {
    if (&cls == m_lastClass) {
        // Millions of objects of one class follow each other: the short form found last time.
        writeWord(m_lastClassWord);
        ++m_nextIndex;
        return;
    }
    const auto known = std::find_if(m_classIndices.begin(), m_classIndices.end(),
                                    [&cls](const auto& entry) { return entry.first == &cls; });
    if (known == m_classIndices.end()) {
        if (!m_describesClasses) {
            throw std::logic_error("class " + std::string(cls.name) +
                                   " first met in a part written side by side");
        }
        writeWord(archive::kNewClassTag);
        writeWord(cls.schema);
        writeWord(static_cast<std::uint16_t>(cls.name.size()));
        writeBytes({reinterpret_cast<const std::uint8_t*>(cls.name.data()), cls.name.size()});
        m_classIndices.emplace_back(&cls, m_nextIndex++);
    } else if (known->second < archive::kBigObjectTag) {
        m_lastClass = &cls;
        m_lastClassWord = static_cast<std::uint16_t>(archive::kClassTag | known->second);
        writeWord(m_lastClassWord);
    } else {
        writeWord(archive::kBigObjectTag);
        writeDword(archive::kBigClassTag | known->second);
    }
    ++m_nextIndex;
}

void ArchiveWriter::writeObjectOfTexts(const ArchiveClass& cls,
                                       std::span<const std::string_view> texts) {
    std::size_t size = 2 + 2;
    for (std::string_view text : texts) {
        size += 1 + text.size();
    }
    if (&cls == m_lastClass && size <= kBufferSize) {
        char* const start = room(size);
        char* out = start + 2;
        bool plain = true;
        for (std::string_view text : texts) {
            plain =
                text.size() < archive::kTextByteEscape && copyIfPlain(out + 1, text, asciiChunk);
            if (!plain) {
                break;
            }
            out[0] = static_cast<char>(text.size());
            out += 1 + text.size();
        }
        if (plain) {
            start[0] = static_cast<char>(m_lastClassWord & 0xFF);
            start[1] = static_cast<char>(m_lastClassWord >> 8);
            out[0] = 0;
            out[1] = 0;
            m_size += size;
            ++m_nextIndex;
            return;
        }
    }
    beginObject(cls);
    for (std::string_view text : texts) {
        writeText(text);
    }
    writeCount(0);
}

}  // namespace vorlix
