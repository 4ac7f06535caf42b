#include "core/disc_reader.h"

#include <array>

#include "core/archive_reader.h"
#include "core/catalog_format.h"
#include "core/catalogue_items.h"
#include "core/code_page.h"

namespace vorlix {

namespace {

// The longest file entry of the usual form: a reference, four texts with one-byte lengths and
// an empty category count.
constexpr std::size_t kPlainEntryMost = 2 + 4 * 0xFF + 2;

// The texts of the entry at the start of `in` (name, folder, size, drive) when it is of the
// usual form and whole there, introduced by `word`, and the entry's size; a size of 0 for any
// other entry.
struct PlainEntry {
    std::array<std::string_view, 4> texts;
    std::size_t size = 0;
};

PlainEntry plainEntry(std::string_view in, std::uint16_t word) {
    PlainEntry entry;
    if (in.size() < 2 || static_cast<unsigned char>(in[0]) != (word & 0xFF) ||
        static_cast<unsigned char>(in[1]) != (word >> 8)) {
        return entry;
    }
    // When the longest entry of this form fits, only the lengths need a look.
    const bool whole = in.size() >= kPlainEntryMost;
    std::size_t at = 2;
    for (std::string_view& text : entry.texts) {
        const std::size_t length = at < in.size() ? static_cast<unsigned char>(in[at]) : 0xFF;
        if (length == 0xFF || (!whole && in.size() - at <= length)) {
            return entry;
        }
        text = in.substr(at + 1, length);
        at += 1 + length;
    }
    if (in.size() - at >= 2 && in[at] == 0 && in[at + 1] == 0) {
        entry.size = at + 2;
    }
    return entry;
}

}  // namespace

DiscReader::DiscReader(ArchiveReader& reader)
    : m_reader(reader), m_entryWord(reader.knownClassWord(persistent_class::kFileData)) {}

std::uint16_t DiscReader::readSchema() {
    const std::uint16_t schema = expectNewObject(m_reader, persistent_class::kDisc).schema;
    if (schema == 1 || schema > 5) {
        m_reader.fail("CQXDisc schema " + std::to_string(schema) + " is not supported");
    }
    return schema;
}

std::unique_ptr<CQXDisc> DiscReader::read() {
    const std::uint16_t schema = readSchema();
    auto disc = std::make_unique<CQXDisc>();
    readEntries(m_blocks);
    m_blocks.moveInto(disc->files);
    readDiscTexts(schema, *disc);
    return disc;
}

void DiscReader::visit(DiscVisitor& visitor) {
    const std::uint16_t schema = readSchema();
    readEntries(visitor.entries());
    m_visited.editCategories().clear();
    readDiscTexts(schema, m_visited);
    visitor.disc(m_visited);
}

void DiscReader::skip() {
    const std::uint16_t schema = readSchema();
    const std::uint32_t fileCount = m_reader.readCount();
    m_reader.requireRemaining(fileCount, kMinFileEntrySize);
    skipEntries(fileCount);
    const int texts = schema >= 5 ? 14 : schema >= 3 ? 13 : 9;
    for (int i = 0; i < texts; ++i) {
        m_reader.skipText();
    }
    skipTexts(m_reader);
}

void DiscReader::readDiscTexts(std::uint16_t schema, CQXDisc& disc) {
    // The texts of the older schemas' missing fields: owner name and digest, shared, serial
    // and size.
    static constexpr std::string_view kOldTexts[] = {"null", "null", "Yes", "0", "0.0"};
    const std::size_t readCount = schema >= 5 ? 14 : schema >= 3 ? 13 : 9;
    DiscTexts::Texts texts;
    for (std::size_t i = 0; i < DiscTexts::kTextCount; ++i) {
        if (i < readCount) {
            m_discTexts[i] = m_reader.readTextView(m_text);
            texts[i] = m_discTexts[i];
        } else {
            texts[i] = kOldTexts[i - 9];
        }
    }
    disc.setTexts(texts);
    readTexts(m_reader, disc.editCategories(), m_text);
}

void DiscReader::readEntries(FileEntrySink& sink) {
    const std::uint32_t count = m_reader.readCount();
    m_reader.requireRemaining(count, kMinFileEntrySize);
    sink.begin(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        if (!readPlainEntry(sink)) {
            readEntry(sink);
        }
    }
}

bool DiscReader::readPlainEntry(FileEntrySink& sink) {
    if (m_entryWord == 0) {
        return false;
    }
    const std::string_view in = m_reader.buffered(kPlainEntryMost);
    const PlainEntry entry = plainEntry(in, m_entryWord);
    if (entry.size == 0 || !isAscii(in.substr(2, entry.size - 2))) {
        return false;
    }
    m_reader.advance(2);
    m_reader.takeObjectIndex();
    m_reader.advance(entry.size - 2);
    // The views stay valid while the sink takes them, since nothing is read meanwhile.
    const auto& [name, folder, size, drive] = entry.texts;
    sink.entry(name, folder, size, drive, m_noCategories);
    return true;
}

void DiscReader::readEntry(FileEntrySink& sink) {
    expectNewObject(m_reader, persistent_class::kFileData);
    noteEntryClass();
    m_name.assign(m_reader.readTextView(m_text));
    m_folder.assign(m_reader.readTextView(m_text));
    m_size.assign(m_reader.readTextView(m_text));
    m_drive.assign(m_reader.readTextView(m_text));
    m_categories.clear();
    if (const std::uint32_t categories = m_reader.readCount(); categories != 0) {
        readTexts(m_reader, categories, m_categories, m_text);
    }
    sink.entry(m_name, m_folder, m_size, m_drive, m_categories);
}

void DiscReader::noteEntryClass() {
    if (m_entryWord == 0) {
        m_entryWord = m_reader.knownClassWord(persistent_class::kFileData);
    }
}

void DiscReader::skipEntries(std::uint32_t count) {
    std::uint32_t skipped = 0;
    while (skipped < count) {
        skipped += skipPlainEntries(count - skipped);
        if (skipped < count) {
            expectNewObject(m_reader, persistent_class::kFileData);
            noteEntryClass();
            for (int text = 0; text < 4; ++text) {
                m_reader.skipText();
            }
            skipTexts(m_reader);
            ++skipped;
        }
    }
}

std::uint32_t DiscReader::skipPlainEntries(std::uint32_t most) {
    if (m_entryWord == 0) {
        return 0;
    }
    const std::string_view in = m_reader.buffered(kPlainEntryMost);
    std::size_t at = 0;
    std::uint32_t skipped = 0;
    while (skipped < most) {
        const std::size_t size = plainEntry(in.substr(at), m_entryWord).size;
        if (size == 0) {
            break;
        }
        m_reader.advance(2);
        m_reader.takeObjectIndex();
        m_reader.advance(size - 2);
        at += size;
        ++skipped;
    }
    return skipped;
}

}  // namespace vorlix
