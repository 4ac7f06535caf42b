#include <gtest/gtest.h>

#include "core/archive_reader.h"
#include "core/archive_writer.h"
#include "core/code_page.h"
#include "support/archive_bytes.h"

namespace vorlix {
namespace {

using test::ArchiveBytes;
using Kind = ObjectReference::Kind;

const Windows1252 kCodePage;
constexpr ArchiveClass kPlain{"CPlain", 0, false};
constexpr ArchiveClass kVersioned{"CVersioned", 5, true};

std::string hexPrefix(const std::string& bytes, std::size_t n) {
    std::string hex;
    for (std::size_t i = 0; i < n && i < bytes.size(); ++i) {
        char piece[4];
        std::snprintf(piece, sizeof piece, "%02X ", static_cast<unsigned char>(bytes[i]));
        hex += piece;
    }
    return hex.substr(0, hex.empty() ? 0 : hex.size() - 1);
}

// A writer into memory whose bytes can be looked at any time.
class TestWriter : public ArchiveWriter {
public:
    // The base only keeps the reference to the sink, so handing it a member is safe.
    TestWriter() : ArchiveWriter(kCodePage, m_sink) {}
    const std::string& bytes() {
        flush();
        return m_sink.bytes();
    }
    std::string takeBytes() { return bytes(); }

private:
    StringSink m_sink;
};

struct Reader {
    explicit Reader(std::string_view bytes)
        : source(bytes), reader(source, kCodePage, {&kPlain, &kVersioned}) {}
    MemorySource source;
    ArchiveReader reader;
};

TEST(ArchiveTextTest, LengthPrefixesAtEveryBoundary) {
    const std::pair<std::size_t, std::string> cases[] = {
        {0, "00"},
        {254, "FE"},
        {255, "FF FF 00"},
        {65533, "FF FD FF"},
        {65534, "FF FF FF FE FF 00 00"},
        {70000, "FF FF FF 70 11 01 00"},
    };
    for (const auto& [length, prefix] : cases) {
        TestWriter writer;
        const std::string text(length, 'x');
        writer.writeText(text);
        const std::string bytes = writer.takeBytes();
        const std::size_t prefixSize = (prefix.size() + 1) / 3;
        EXPECT_EQ(hexPrefix(bytes, prefixSize), prefix) << length;
        EXPECT_EQ(bytes.size(), prefixSize + length);

        Reader r(bytes);
        EXPECT_EQ(r.reader.readText(), text);
        EXPECT_EQ(r.reader.offset(), bytes.size());
    }
}

TEST(ArchiveCountTest, CountsBelowAndAtTheEscape) {
    const std::pair<std::uint32_t, std::string> cases[] = {
        {0, "00 00"}, {65534, "FE FF"}, {65535, "FF FF FF FF 00 00"}, {70000, "FF FF 70 11 01 00"}};
    for (const auto& [count, bytesHex] : cases) {
        TestWriter writer;
        writer.writeCount(count);
        const std::string bytes = writer.takeBytes();
        EXPECT_EQ(hexPrefix(bytes, 16), bytesHex);
        Reader r(bytes);
        EXPECT_EQ(r.reader.readCount(), count);
    }
}

TEST(ArchiveTextTest, ConvertsBetweenTheCodePageAndUtf8) {
    TestWriter writer;
    writer.writeText("Caf\u00E9 \u20AC");
    EXPECT_EQ(writer.bytes(), std::string("\x06"
                                          "Caf\xE9 \x80"));
    Reader r(writer.bytes());
    EXPECT_EQ(r.reader.readText(), "Caf\u00E9 \u20AC");
}

TEST(ArchiveTextTest, WritesTheWideFormOnlyForTextsOutsideTheCodePage) {
    TestWriter writer;
    writer.writeText("\u65E5\u00E9");
    EXPECT_EQ(writer.bytes(), std::string("\xFF\xFE\xFF\x02\xE5\x65\xE9\x00", 8));
    Reader r(writer.bytes());
    EXPECT_EQ(r.reader.readText(), "\u65E5\u00E9");
}

TEST(ArchiveTextTest, ReadsWideTextsWithEveryInnerPrefix) {
    const std::string longWide(2 * 300, '\0');
    const auto bytes = ArchiveBytes()
                           .byte(0xFF)
                           .word(0xFFFE)
                           .byte(2)
                           .raw(std::string("A\0B\0", 4))
                           .byte(0xFF)
                           .word(0xFFFE)
                           .byte(0xFF)
                           .word(300)
                           .raw(longWide)
                           .byte(0xFF)
                           .word(0xFFFE)
                           .byte(0xFF)
                           .word(0xFFFF)
                           .dword(1)
                           .raw(std::string("\xE9\x00", 2))
                           .str();
    Reader r(bytes);
    EXPECT_EQ(r.reader.readText(), "AB");
    EXPECT_EQ(r.reader.readText(), std::string(300, '\0'));
    EXPECT_EQ(r.reader.readText(), "\u00E9");
}

TEST(ArchiveReferenceTest, WritesNewKnownAndBigClassForms) {
    TestWriter writer;
    writer.beginObject(kPlain);      // class 1, object 2
    writer.beginObject(kPlain);      // object 3
    writer.beginObject(kVersioned);  // class 4, object 5
    writer.writeNull();
    EXPECT_EQ(
        writer.bytes(),
        ArchiveBytes().newClass("CPlain", 0).word(0x8001).newClass("CVersioned", 5).word(0).str());

    // A class described after 0x7FFF indices is referenced with the long form.
    TestWriter big;
    for (int i = 0; i < 0x7FFE; ++i) {
        big.beginObject(kPlain);
    }
    big.beginObject(kVersioned);  // class index 0x7FFF + 1
    const std::size_t before = big.bytes().size();
    big.beginObject(kVersioned);
    EXPECT_EQ(big.bytes().substr(before),
              ArchiveBytes().word(0x7FFF).dword(0x80000000u + 0x8000).str());
}

TEST(ArchiveReferenceTest, ReadsEveryFormWithTheSharedIndexTable) {
    const auto bytes = ArchiveBytes()
                           .word(0)                    // null
                           .newClass("CVersioned", 3)  // class 1, object 2
                           .word(0x8001)               // object 3
                           .word(0x0002)               // object 2 again
                           .word(0x7FFF)
                           .dword(0x80000001)  // long known-class form: object 4
                           .word(0x7FFF)
                           .dword(3)  // long earlier-object form
                           .str();
    Reader r(bytes);
    EXPECT_EQ(r.reader.readReference().kind, Kind::Null);

    const ObjectReference first = r.reader.readReference();
    EXPECT_EQ(first.kind, Kind::NewObject);
    EXPECT_EQ(first.cls, &kVersioned);
    EXPECT_EQ(first.schema, 3);
    EXPECT_EQ(first.index, 2u);

    const ObjectReference second = r.reader.readReference();
    EXPECT_EQ(second.kind, Kind::NewObject);
    EXPECT_EQ(second.schema, 3) << "the stored schema holds for every object of the class";
    EXPECT_EQ(second.index, 3u);

    const ObjectReference again = r.reader.readReference();
    EXPECT_EQ(again.kind, Kind::EarlierObject);
    EXPECT_EQ(again.index, 2u);

    EXPECT_EQ(r.reader.readReference().index, 4u);
    const ObjectReference longEarlier = r.reader.readReference();
    EXPECT_EQ(longEarlier.kind, Kind::EarlierObject);
    EXPECT_EQ(longEarlier.index, 3u);
}

struct BadReference {
    const char* what;
    std::string bytes;
    std::uint64_t offset;
    std::string message;
};

TEST(ArchiveReferenceTest, RefusesReferencesTheTableCannotResolve) {
    // Null references after each bad one, so that a reader that took it would read on rather
    // than fail at the same place for running out of bytes.
    const std::string more = ArchiveBytes().word(0).word(0).word(0);
    const BadReference cases[] = {
        {"known class before any description", ArchiveBytes().word(0x8001).raw(more), 2,
         "class index 1 names no stored class"},
        {"class index 0", ArchiveBytes().word(0x8000).raw(more), 2,
         "class index 0 names no stored class"},
        {"object index not yet given", ArchiveBytes().word(0x0001).raw(more), 2,
         "object index 1 names no stored object"},
        {"object reference naming a class",
         ArchiveBytes().newClass("CPlain", 0).word(0x0001).raw(more), 14,
         "object index 1 names no stored object"},
        {"class reference naming an object",
         ArchiveBytes().newClass("CPlain", 0).word(0x8002).raw(more), 14,
         "class index 2 names no stored class"},
        {"unknown class", ArchiveBytes().newClass("CSecret", 0).raw(more), 6,
         "unknown class \"CSecret\""},
        {"class name of 64 bytes", ArchiveBytes().newClass(std::string(64, 'C'), 0).raw(more), 6,
         "a class name of 64 bytes is too long"},
        {"other schema of a plain class", ArchiveBytes().newClass("CPlain", 1).raw(more), 6,
         "class CPlain with schema 1 is not supported"},
        {"truncated class name", ArchiveBytes().word(0xFFFF).word(0).word(6).raw("CPl"), 6,
         "the file ends inside an item"},
    };
    for (const BadReference& c : cases) {
        Reader r(c.bytes);
        try {
            // More references than the bytes can hold: reading must stop with a failure.
            for (std::size_t i = 0; i <= c.bytes.size() / 2; ++i) {
                r.reader.readReference();
            }
            ADD_FAILURE() << c.what << ": read without a failure";
        } catch (const ArchiveError& e) {
            EXPECT_EQ(e.offset(), c.offset) << c.what << ": " << e.what();
            EXPECT_EQ(e.what(), c.message) << c.what;
        }
    }
}

TEST(ArchiveReaderTest, RefusesLengthsBeyondTheFileBeforeAllocating) {
    const std::string cases[] = {
        ArchiveBytes().byte(0xFF).word(0xFFFF).dword(0xFFFFFFF0).raw("abc"),
        ArchiveBytes().byte(0xFF).word(0xFFFE).byte(0xFF).word(0xFFFF).dword(0x7FFFFFFF),
        ArchiveBytes().byte(10).raw("short"),
    };
    for (const std::string& bytes : cases) {
        Reader r(bytes);
        EXPECT_THROW(r.reader.readText(), ArchiveError);
    }
}

}  // namespace
}  // namespace vorlix
