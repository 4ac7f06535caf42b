#include "core/archive_reader.h"

#include <algorithm>
#include <cstring>

#include "core/archive_format.h"
#include "core/code_page.h"

namespace vorlix {

namespace {

constexpr std::size_t kBufferSize = 1 << 17;

std::string printable(std::string_view bytes) {
    std::string text;
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x20 && b < 0x7F && c != '"' && c != '\\') {
            text.push_back(c);
        } else {
            static constexpr char kHex[] = "0123456789ABCDEF";
            text += "\\x";
            text.push_back(kHex[b >> 4]);
            text.push_back(kHex[b & 0x0F]);
        }
    }
    return text;
}

}  // namespace

ArchiveReader::ArchiveReader(ByteSource& source, const CodePage& codePage,
                             std::vector<const ArchiveClass*> knownClasses)
    : m_source(source),
      m_codePage(codePage),
      m_knownClasses(std::move(knownClasses)),
      m_storedSchemas(m_knownClasses.size()) {}

ArchiveReader::ArchiveReader(ByteSource& source, const CodePage& codePage,
                             std::vector<const ArchiveClass*> knownClasses,
                             const ArchivePlace& from)
    : m_source(source),
      m_codePage(codePage),
      m_knownClasses(std::move(knownClasses)),
      m_base(from.offset),
      m_nextIndex(from.nextIndex),
      m_classes(from.classes),
      m_storedSchemas(from.storedSchemas) {
    if (m_storedSchemas.size() != m_knownClasses.size()) {
        throw std::logic_error("a place taken by a reader of other classes");
    }
}

ArchivePlace ArchiveReader::place() const {
    return {offset(), m_nextIndex, m_classes, m_storedSchemas};
}

void ArchiveReader::fail(const std::string& what) const {
    throw ArchiveError(what, offset());
}

void ArchiveReader::requireRemaining(std::uint64_t items, std::uint64_t itemSize) {
    const std::uint64_t remaining = m_source.size() > offset() ? m_source.size() - offset() : 0;
    if (items * itemSize > remaining) {
        fail("a count of " + std::to_string(items) + " runs past the end of the file");
    }
}

void ArchiveReader::refill(std::size_t n) {
    const std::uint64_t remaining = m_source.size() - std::min(m_source.size(), offset());
    if (n > remaining) {
        fail("the file ends inside an item");
    }
    // Large enough for the item, and for the whole rest of a small file at once.
    const std::size_t wanted =
        std::max<std::size_t>(n, std::min<std::uint64_t>(kBufferSize, remaining));
    const std::size_t kept = m_end - m_position;
    if (m_buffer.size() < wanted) {
        std::vector<char> larger(wanted);
        if (kept > 0) {
            std::memcpy(larger.data(), m_buffer.data() + m_position, kept);
        }
        m_buffer.swap(larger);
    } else if (kept > 0) {
        std::memmove(m_buffer.data(), m_buffer.data() + m_position, kept);
    }
    m_base += m_position;
    m_position = 0;
    m_end = kept;
    while (m_end < n) {
        const std::size_t got = m_source.read(m_buffer.data() + m_end, m_buffer.size() - m_end);
        if (got == 0) {
            fail("the file ends inside an item");
        }
        m_end += got;
    }
}

std::uint32_t ArchiveReader::readDword() {
    ensure(4);
    const auto* p = reinterpret_cast<const unsigned char*>(m_buffer.data() + m_position);
    m_position += 4;
    return std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) |
           (std::uint32_t{p[3]} << 24);
}

std::uint32_t ArchiveReader::readCount() {
    const std::uint16_t word = readWord();
    return word != archive::kCountEscape ? word : readDword();
}

std::size_t ArchiveReader::readLengthPrefix() {
    const std::uint8_t byte = readByte();
    if (byte != archive::kTextByteEscape) {
        return byte;
    }
    const std::uint16_t word = readWord();
    return word != archive::kTextWordEscape ? word : readDword();
}

ArchiveReader::StoredText ArchiveReader::takeStoredText() {
    std::size_t length = 0;
    const std::uint8_t byte = readByte();
    if (byte != archive::kTextByteEscape) {
        length = byte;
    } else {
        const std::uint16_t word = readWord();
        if (word == archive::kTextWide) {
            const std::size_t characters = readLengthPrefix();
            requireRemaining(characters, 2);
            ensure(2 * characters);
            const std::string_view bytes(m_buffer.data() + m_position, 2 * characters);
            m_position += bytes.size();
            return {bytes, true};
        }
        length = word != archive::kTextWordEscape ? word : readDword();
    }
    ensure(length);
    const std::string_view bytes(m_buffer.data() + m_position, length);
    m_position += length;
    return {bytes, false};
}

void ArchiveReader::readText(std::string& out) {
    // The common case first: a short text whose bytes are buffered and plain ASCII.
    if (m_position < m_end) {
        const auto length = static_cast<unsigned char>(m_buffer[m_position]);
        if (length < archive::kTextByteEscape && m_end - m_position > length) {
            const std::string_view bytes(m_buffer.data() + m_position + 1, length);
            if (isAscii(bytes)) {
                out.assign(bytes);
                m_position += 1 + length;
                return;
            }
        }
    }
    out.clear();
    const StoredText stored = takeStoredText();
    if (stored.wide) {
        appendUtf8FromUtf16le(stored.bytes, out);
    } else {
        m_codePage.decode(stored.bytes, out);
    }
}

void ArchiveReader::skipText() {
    if (m_position < m_end) {
        const auto length = static_cast<unsigned char>(m_buffer[m_position]);
        if (length < archive::kTextByteEscape && m_end - m_position > length) {
            m_position += 1 + length;
            return;
        }
    }
    takeStoredText();
}

void ArchiveReader::refillUpTo(std::size_t n) {
    const std::uint64_t remaining = m_source.size() - std::min(m_source.size(), offset());
    const std::size_t available = std::min<std::uint64_t>(n, remaining);
    if (m_end - m_position < available) {
        refill(available);
    }
}

std::uint16_t ArchiveReader::knownClassWord(const ArchiveClass& cls) const {
    for (const auto& [index, known] : m_classes) {
        if (m_knownClasses[known] == &cls) {
            return index < archive::kBigObjectTag
                       ? static_cast<std::uint16_t>(archive::kClassTag | index)
                       : std::uint16_t{0};
        }
    }
    return 0;
}

std::string_view ArchiveReader::readTextView(std::string& scratch) {
    if (m_position < m_end) {
        const auto length = static_cast<unsigned char>(m_buffer[m_position]);
        if (length < archive::kTextByteEscape && m_end - m_position > length) {
            const std::string_view bytes(m_buffer.data() + m_position + 1, length);
            if (isAscii(bytes)) {
                m_position += 1 + length;
                return bytes;
            }
        }
    }
    readText(scratch);
    return scratch;
}

std::string ArchiveReader::readText() {
    std::string text;
    readText(text);
    return text;
}

void ArchiveReader::readBytes(std::size_t n, std::vector<std::uint8_t>& out) {
    ensure(n);
    const auto* p = reinterpret_cast<const std::uint8_t*>(m_buffer.data() + m_position);
    out.assign(p, p + n);
    m_position += n;
}

const ArchiveClass* ArchiveReader::readClassDescription(std::size_t& knownIndex) {
    const std::uint16_t storedSchema = readWord();
    const std::uint16_t nameLength = readWord();
    if (nameLength >= archive::kMaxClassNameLength) {
        fail("a class name of " + std::to_string(nameLength) + " bytes is too long");
    }
    ensure(nameLength);
    const std::string_view name(m_buffer.data() + m_position, nameLength);
    const auto known = std::find_if(m_knownClasses.begin(), m_knownClasses.end(),
                                    [name](const ArchiveClass* c) { return c->name == name; });
    if (known == m_knownClasses.end()) {
        fail("unknown class \"" + printable(name) + "\"");
    }
    const ArchiveClass* cls = *known;
    if (storedSchema != cls->schema && !cls->versionable) {
        fail("class " + std::string(cls->name) + " with schema " + std::to_string(storedSchema) +
             " is not supported");
    }
    m_position += nameLength;
    knownIndex = static_cast<std::size_t>(known - m_knownClasses.begin());
    m_storedSchemas[knownIndex] = storedSchema;
    return cls;
}

std::size_t ArchiveReader::classAt(std::uint32_t index) const {
    const auto slot = std::lower_bound(
        m_classes.begin(), m_classes.end(), index,
        [](const auto& entry, std::uint32_t wanted) { return entry.first < wanted; });
    return slot != m_classes.end() && slot->first == index ? slot->second : std::string::npos;
}

ObjectReference ArchiveReader::readReference() {
    const std::uint16_t word = readWord();
    std::uint32_t tag = 0;
    if (word == archive::kBigObjectTag) {
        tag = readDword();
    } else {
        const std::uint32_t wide = word;
        tag = ((wide & archive::kClassTag) << 16) | (wide & ~std::uint32_t{archive::kClassTag});
    }

    ObjectReference reference;
    if ((tag & archive::kBigClassTag) == 0) {
        if (tag == 0) {
            return reference;
        }
        if (tag >= m_nextIndex || classAt(tag) != std::string::npos) {
            fail("object index " + std::to_string(tag) + " names no stored object");
        }
        reference.kind = ObjectReference::Kind::EarlierObject;
        reference.index = tag;
        return reference;
    }

    std::size_t known = 0;
    if (word == archive::kNewClassTag) {
        readClassDescription(known);
        m_classes.emplace_back(takeIndex(), known);
    } else {
        const std::uint32_t classIndex = tag & ~archive::kBigClassTag;
        known = classAt(classIndex);
        if (known == std::string::npos) {
            fail("class index " + std::to_string(classIndex) + " names no stored class");
        }
    }
    reference.kind = ObjectReference::Kind::NewObject;
    reference.cls = m_knownClasses[known];
    reference.schema = static_cast<std::uint16_t>(m_storedSchemas[known]);
    reference.index = takeIndex();
    return reference;
}

}  // namespace vorlix
