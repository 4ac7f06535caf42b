#include "core/disc_reader.h"

#include <array>
#include <cstring>

#include "core/archive_reader.h"
#include "core/catalog_format.h"
#include "core/catalogue_items.h"
#include "core/code_page.h"
#include "core/packed_text.h"

namespace vorlix {

namespace {

using ReadEntry = FileEntries::ReadEntry;

// A file entry's reference and four texts when each text is shorter than 128 bytes: then its
// stored form, a length byte and the bytes, is also the form a block keeps it in.
constexpr std::size_t kShortText = 0x80;
constexpr std::size_t kPlainEntryMost = 2 + 4 * kShortText;
// The same for an entry that is only gone over: any text with a one-byte length.
constexpr std::size_t kSkippedEntryMost = 2 + 4 * 0xFF;
// Every entry read from a file holds the disc number "0".
constexpr std::string_view kStoredDiscNumber(
    "\x01"
    "0",
    2);

bool startsWithWord(std::string_view in, std::uint16_t word) {
    return in.size() >= 2 && static_cast<unsigned char>(in[0]) == (word & 0xFF) &&
           static_cast<unsigned char>(in[1]) == (word >> 8);
}

}  // namespace

char* DiscReader::Blocks::room(std::size_t n) {
    if (m_data.size() - m_size < n) {
        m_data.resize(std::max(2 * m_data.size(), m_size + n));
    }
    return m_data.data() + m_size;
}

void DiscReader::Blocks::append(std::string_view bytes) {
    if (!bytes.empty()) {
        std::memcpy(room(bytes.size()), bytes.data(), bytes.size());
        commit(bytes.size());
    }
}

void DiscReader::Blocks::appendPacked(std::string_view text) {
    char* end = packed_text::put(room(packed_text::storedSize(text)), text);
    commit(static_cast<std::size_t>(end - (m_data.data() + m_size)));
}

void DiscReader::Blocks::endBlock() {
    if (m_size % 2 != 0) {
        *room(1) = '\0';
        commit(1);
    }
}

std::unique_ptr<CQXDisc> DiscReader::read() {
    const std::uint16_t schema = expectNewObject(m_reader, persistent_class::kDisc).schema;
    if (schema == 1 || schema > 5) {
        m_reader.fail("CQXDisc schema " + std::to_string(schema) + " is not supported");
    }
    auto disc = std::make_unique<CQXDisc>();
    const std::uint32_t fileCount = m_reader.readCount();
    m_reader.requireRemaining(fileCount, kMinFileEntrySize);
    readEntries(fileCount, disc->files);
    for (CompactText* text :
         {&disc->number, &disc->quality, &disc->info, &disc->artist, &disc->name, &disc->location,
          &disc->date, &disc->lendDate, &disc->outline}) {
        *text = m_reader.readTextView(m_text);
    }
    if (schema >= 3) {
        for (CompactText* text :
             {&disc->ownerName, &disc->ownerDigest, &disc->shared, &disc->serial}) {
            *text = m_reader.readTextView(m_text);
        }
    } else {
        disc->ownerName = "null";
        disc->ownerDigest = "null";
        disc->shared = "Yes";
        disc->serial = "0";
    }
    if (schema >= 5) {
        disc->size = m_reader.readTextView(m_text);
    } else {
        disc->size = "0.0";
    }
    readTexts(m_reader, disc->categories, m_text);
    return disc;
}

void DiscReader::skip() {
    const std::uint16_t schema = expectNewObject(m_reader, persistent_class::kDisc).schema;
    if (schema == 1 || schema > 5) {
        m_reader.fail("CQXDisc schema " + std::to_string(schema) + " is not supported");
    }
    const std::uint32_t fileCount = m_reader.readCount();
    m_reader.requireRemaining(fileCount, kMinFileEntrySize);
    skipEntries(fileCount);
    const int texts = schema >= 5 ? 14 : schema >= 3 ? 13 : 9;
    for (int i = 0; i < texts; ++i) {
        m_reader.skipText();
    }
    skipTexts(m_reader);
}

void DiscReader::readEntries(std::uint32_t count, FileEntries& files) {
    m_blocks.clear();
    m_entries.clear();
    m_entries.resize(count);
    m_place = ReadEntry::kNoBlock;
    m_folder.clear();
    m_drive.clear();
    for (ReadEntry& entry : m_entries) {
        if (!readPlainEntry(entry)) {
            readEntry(entry);
        }
        readEntryCategories(entry);
    }
    files.appendRead(m_blocks.bytes(), m_entries);
}

bool DiscReader::readPlainEntry(ReadEntry& entry) {
    if (m_entryWord == 0) {
        return false;
    }
    const std::string_view in = m_reader.buffered(kPlainEntryMost);
    if (!startsWithWord(in, m_entryWord)) {
        return false;
    }
    // Name, folder, size and drive, each with its length byte.
    std::array<std::string_view, 4> texts;
    std::size_t at = 2;
    for (std::string_view& text : texts) {
        if (at >= in.size()) {
            return false;
        }
        const auto length = static_cast<unsigned char>(in[at]);
        if (length >= kShortText || in.size() - at <= length) {
            return false;
        }
        text = in.substr(at, 1 + length);
        at += 1 + length;
    }
    if (!isAscii(in.substr(2, at - 2))) {
        return false;
    }
    m_reader.advance(2);
    m_reader.takeObjectIndex();
    m_reader.advance(at - 2);

    const auto [name, folder, size, drive] = texts;
    entry.own = m_blocks.size();
    char* out = m_blocks.room(name.size() + size.size() + kStoredDiscNumber.size());
    std::memcpy(out, name.data(), name.size());
    std::memcpy(out + name.size(), size.data(), size.size());
    std::memcpy(out + name.size() + size.size(), kStoredDiscNumber.data(),
                kStoredDiscNumber.size());
    m_blocks.commit(name.size() + size.size() + kStoredDiscNumber.size());
    m_blocks.endBlock();
    entry.place = placeBlock(folder.substr(1), drive.substr(1));
    return true;
}

void DiscReader::readEntry(ReadEntry& entry) {
    expectNewObject(m_reader, persistent_class::kFileData);
    if (m_entryWord == 0) {
        m_entryWord = m_reader.knownClassWord(persistent_class::kFileData);
    }
    entry.own = m_blocks.size();
    m_blocks.appendPacked(m_reader.readTextView(m_text));
    m_nextFolder.assign(m_reader.readTextView(m_text));
    m_blocks.appendPacked(m_reader.readTextView(m_text));
    m_blocks.append(kStoredDiscNumber);
    m_blocks.endBlock();
    entry.place = placeBlock(m_nextFolder, m_reader.readTextView(m_text));
}

std::size_t DiscReader::placeBlock(std::string_view folder, std::string_view drive) {
    if (folder == m_folder && drive == m_drive) {
        return m_place;
    }
    m_folder.assign(folder);
    m_drive.assign(drive);
    m_place = ReadEntry::kNoBlock;
    if (!folder.empty() || !drive.empty()) {
        m_place = m_blocks.size();
        m_blocks.appendPacked(folder);
        m_blocks.appendPacked(drive);
        m_blocks.endBlock();
    }
    return m_place;
}

void DiscReader::readEntryCategories(ReadEntry& entry) {
    if (const std::uint32_t categories = m_reader.readCount(); categories != 0) {
        readTexts(m_reader, categories, entry.categories, m_text);
    }
}

void DiscReader::skipEntries(std::uint32_t count) {
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::string_view in =
            m_entryWord != 0 ? m_reader.buffered(kSkippedEntryMost) : std::string_view();
        std::size_t at = 2;
        bool plain = startsWithWord(in, m_entryWord);
        for (int text = 0; plain && text < 4; ++text) {
            const std::size_t length = at < in.size() ? static_cast<unsigned char>(in[at]) : 0xFF;
            plain = length < 0xFF && in.size() - at > length;
            at += 1 + length;
        }
        if (plain) {
            m_reader.advance(2);
            m_reader.takeObjectIndex();
            m_reader.advance(at - 2);
        } else {
            expectNewObject(m_reader, persistent_class::kFileData);
            if (m_entryWord == 0) {
                m_entryWord = m_reader.knownClassWord(persistent_class::kFileData);
            }
            for (int text = 0; text < 4; ++text) {
                m_reader.skipText();
            }
        }
        skipTexts(m_reader);
    }
}

}  // namespace vorlix
