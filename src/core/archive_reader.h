#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/archive_format.h"
#include "core/byte_source.h"

namespace vorlix {

class CodePage;

// A failure while reading an archive, with the byte offset where reading stopped.
class ArchiveError : public std::runtime_error {
public:
    ArchiveError(const std::string& what, std::uint64_t offset)
        : std::runtime_error(what), m_offset(offset) {}
    std::uint64_t offset() const { return m_offset; }

private:
    std::uint64_t m_offset;
};

// A persistent class as an archive knows it: the name written into files, its own schema, and
// whether it reads bodies of other schemas.
struct ArchiveClass {
    std::string_view name;
    std::uint16_t schema;
    bool versionable;
};

// One object reference as read from the stream.
struct ObjectReference {
    enum class Kind { Null, NewObject, EarlierObject };
    Kind kind = Kind::Null;
    const ArchiveClass* cls = nullptr;  // NewObject: the object's class
    std::uint16_t schema = 0;           // NewObject: the schema its body was written with
    std::uint32_t index = 0;  // NewObject: the index it took; EarlierObject: the one named
};

// Where a reader stands between two items, with what it has learnt of the archive up to there:
// the objects counted and the classes described.
struct ArchivePlace {
    std::uint64_t offset = 0;
    std::uint32_t nextIndex = 1;
    std::vector<std::pair<std::uint32_t, std::size_t>> classes;
    std::vector<int> storedSchemas;
};

// Reads the primitives of the object archive: counts, texts and object references with their
// class descriptions and the shared index table. Every failure throws ArchiveError.
class ArchiveReader {
public:
    ArchiveReader(ByteSource& source, const CodePage& codePage,
                  std::vector<const ArchiveClass*> knownClasses);
    // Goes on from a place that a reader of the same archive with the same classes took, so
    // that parts of one archive can be read apart. The source's next byte is the one at the
    // place's offset, and its size is the whole archive's.
    ArchiveReader(ByteSource& source, const CodePage& codePage,
                  std::vector<const ArchiveClass*> knownClasses, const ArchivePlace& from);

    ArchivePlace place() const;

    std::uint8_t readByte() {
        ensure(1);
        return static_cast<std::uint8_t>(m_buffer[m_position++]);
    }
    std::uint16_t readWord() {
        ensure(2);
        const auto* p = reinterpret_cast<const unsigned char*>(m_buffer.data() + m_position);
        m_position += 2;
        return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
    }
    std::uint32_t readDword();
    std::uint32_t readCount();
    std::string readText();
    // Reads a text into out, replacing its contents; reuses its capacity.
    void readText(std::string& out);
    // The next text, valid until the next read: a view of the buffered bytes when they are the
    // text as they are (plain ASCII), otherwise of scratch, which receives the decoded text.
    std::string_view readTextView(std::string& scratch);
    // Goes past the next text with every check that reading it makes.
    void skipText();
    void readBytes(std::size_t n, std::vector<std::uint8_t>& out);
    ObjectReference readReference();

    // For readers of items that repeat millions of times: the buffered bytes from the current
    // position on, at least `wanted` of them when the file still holds that many (fewer near
    // its end), and a step over bytes the caller has taken from them.
    std::string_view buffered(std::size_t wanted) {
        if (m_end - m_position < wanted) {
            refillUpTo(wanted);
        }
        return {m_buffer.data() + m_position, m_end - m_position};
    }
    void advance(std::size_t n) { m_position += n; }
    // The word that introduces a new object of a class already described in this archive, as
    // a short known-class reference; 0 while the class is not described or has a long index.
    std::uint16_t knownClassWord(const ArchiveClass& cls) const;
    // How many more objects the archive may hold, and the next indices given to that many new
    // objects (at most that many) whose references the caller took from buffered().
    std::uint32_t objectIndicesLeft() const { return archive::kMaxMapCount - m_nextIndex; }
    void takeObjectIndices(std::uint32_t n) { m_nextIndex += n; }

    // Throws unless at least `items` items of at least `itemSize` bytes each can still follow;
    // callers check a count before they reserve room for it.
    void requireRemaining(std::uint64_t items, std::uint64_t itemSize);
    [[noreturn]] void fail(const std::string& what) const;
    std::uint64_t offset() const { return m_base + m_position; }

private:
    // Makes n bytes available at m_position, reading more from the source when needed.
    void ensure(std::size_t n) {
        if (m_end - m_position < n) {
            refill(n);
        }
    }
    void refill(std::size_t n);
    // Makes up to n bytes available, fewer only where the file ends.
    void refillUpTo(std::size_t n);
    std::size_t readLengthPrefix();
    // The next text's stored bytes: code page bytes, or UTF-16LE characters when wide.
    struct StoredText {
        std::string_view bytes;
        bool wide = false;
    };
    StoredText takeStoredText();
    std::uint32_t takeIndex() {
        if (m_nextIndex >= archive::kMaxMapCount) {
            fail("too many objects in one file");
        }
        return m_nextIndex++;
    }
    const ArchiveClass* readClassDescription(std::size_t& knownIndex);
    // The position in m_knownClasses of the class stored under index, or npos.
    std::size_t classAt(std::uint32_t index) const;

    ByteSource& m_source;
    const CodePage& m_codePage;
    std::vector<const ArchiveClass*> m_knownClasses;
    std::vector<char> m_buffer;
    std::size_t m_position = 0;  // next byte in m_buffer
    std::size_t m_end = 0;       // bytes valid in m_buffer
    std::uint64_t m_base = 0;    // stream offset of m_buffer[0]
    std::uint32_t m_nextIndex = 1;
    // Index table: the classes by index, in ascending order; every other index below
    // m_nextIndex is an object.
    std::vector<std::pair<std::uint32_t, std::size_t>> m_classes;
    // The schema each known class was stored with in this archive, once described; the same
    // size as m_knownClasses.
    std::vector<int> m_storedSchemas;
};

}  // namespace vorlix
