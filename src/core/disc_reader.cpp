#include "core/disc_reader.h"

#include <algorithm>
#include <array>

#include "core/archive_reader.h"
#include "core/catalog_format.h"
#include "core/catalogue_items.h"
#include "core/code_page.h"

namespace vorlix {

namespace {

// The bytes that judging a file entry of the usual form may look at: a reference, four texts
// with one-byte lengths (up to the escape byte) and an empty category count.
constexpr std::size_t kPlainEntryReach = 2 + 4 * 0x100 + 2;

// The size of the file entry at the start of `in` when it is of the usual form, introduced by
// `word`, and whole in `in`; 0 for any other.
inline std::size_t plainEntrySize(std::string_view in, std::uint16_t word) {
    const auto* p = reinterpret_cast<const unsigned char*>(in.data());
    if (in.size() >= kPlainEntryReach) {
        // Everything looked at is in `in`: the lengths are read one after the other, and
        // judged together at the end.
        const std::size_t folder = 3 + p[2];
        const std::size_t size = folder + 1 + p[folder];
        const std::size_t drive = size + 1 + p[size];
        const std::size_t end = drive + 1 + p[drive];
        const bool plain = (p[0] | (p[1] << 8)) == word && p[2] != 0xFF && p[folder] != 0xFF &&
                           p[size] != 0xFF && p[drive] != 0xFF && (p[end] | p[end + 1]) == 0;
        return plain ? end + 2 : 0;
    }
    if (in.size() < 2 || (p[0] | (p[1] << 8)) != word) {
        return 0;
    }
    std::size_t at = 2;
    for (int text = 0; text < 4; ++text) {
        if (at >= in.size() || p[at] == 0xFF || in.size() - at <= p[at]) {
            return 0;
        }
        at += 1 + p[at];
    }
    return in.size() - at >= 2 && (p[at] | p[at + 1]) == 0 ? at + 2 : 0;
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
    std::uint32_t read = 0;
    while (read < count) {
        const std::uint32_t plain = readPlainEntries(sink, count - read);
        read += plain;
        if (plain == 0) {
            readEntry(sink);
            ++read;
        }
    }
}

template <typename Take>
std::uint32_t DiscReader::takePlainEntries(std::uint32_t most, Take take) {
    if (m_entryWord == 0) {
        return 0;
    }
    most = std::min(most, m_reader.objectIndicesLeft());
    const std::string_view in = m_reader.buffered(kPlainEntryReach);
    // Fewer bytes than an entry's reach are buffered only where the file ends; elsewhere an
    // entry that may not be whole in the buffer waits for the next call, which refills it.
    const std::size_t judged =
        in.size() < kPlainEntryReach ? in.size() : in.size() - kPlainEntryReach + 1;
    std::size_t at = 0;
    std::uint32_t taken = 0;
    while (taken < most && at < judged) {
        const std::size_t size =
            plainEntrySize(std::string_view(in.data() + at, in.size() - at), m_entryWord);
        if (size == 0 || !take(std::string_view(in.data() + at, size))) {
            break;
        }
        at += size;
        ++taken;
    }
    m_reader.takeObjectIndices(taken);
    m_reader.advance(at);
    return taken;
}

std::uint32_t DiscReader::readPlainEntries(FileEntrySink& sink, std::uint32_t most) {
    return takePlainEntries(most, [&](std::string_view entry) {
        if (!isAscii(std::string_view(entry.data() + 2, entry.size() - 2))) {
            return false;
        }
        // The texts stay valid while the sink takes them, since nothing is read meanwhile.
        std::array<std::string_view, 4> texts;
        std::size_t at = 2;
        for (std::string_view& text : texts) {
            const auto length = static_cast<unsigned char>(entry[at]);
            text = std::string_view(entry.data() + at + 1, length);
            at += 1 + length;
        }
        sink.entry(texts[0], texts[1], texts[2], texts[3], m_noCategories);
        return true;
    });
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
        const std::uint32_t plain = skipPlainEntries(count - skipped);
        skipped += plain;
        if (plain == 0) {
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
    return takePlainEntries(most, [](std::string_view) { return true; });
}

}  // namespace vorlix
