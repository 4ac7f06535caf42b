#include "core/archive_writer.h"

#include <algorithm>

#include "core/archive_format.h"
#include "core/archive_reader.h"
#include "core/code_page.h"

namespace vorlix {

namespace {

bool isAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

ArchiveWriter::ArchiveWriter(const CodePage& codePage) : m_codePage(codePage) {}

void ArchiveWriter::writeByte(std::uint8_t value) {
    m_out.push_back(static_cast<char>(value));
}

void ArchiveWriter::writeWord(std::uint16_t value) {
    const char bytes[2] = {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
    m_out.append(bytes, 2);
}

void ArchiveWriter::writeDword(std::uint32_t value) {
    const char bytes[4] = {static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF),
                           static_cast<char>((value >> 16) & 0xFF), static_cast<char>(value >> 24)};
    m_out.append(bytes, 4);
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
    if (isAscii(utf8)) {
        writeLengthPrefix(utf8.size());
        m_out.append(utf8);
        return;
    }
    m_scratch.clear();
    if (m_codePage.encode(utf8, m_scratch)) {
        writeLengthPrefix(m_scratch.size());
        m_out.append(m_scratch);
        return;
    }
    const std::string wide = utf16leFromUtf8(utf8);
    writeByte(archive::kTextByteEscape);
    writeWord(archive::kTextWide);
    writeLengthPrefix(wide.size() / 2);
    m_out.append(wide);
}

void ArchiveWriter::writeBytes(std::span<const std::uint8_t> bytes) {
    m_out.append(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

void ArchiveWriter::writeNull() {
    writeWord(archive::kNullTag);
}

void ArchiveWriter::beginObject(const ArchiveClass& cls) {
    const auto known = std::find_if(m_classIndices.begin(), m_classIndices.end(),
                                    [&cls](const auto& entry) { return entry.first == &cls; });
    if (known == m_classIndices.end()) {
        writeWord(archive::kNewClassTag);
        writeWord(cls.schema);
        writeWord(static_cast<std::uint16_t>(cls.name.size()));
        m_out.append(cls.name);
        m_classIndices.emplace_back(&cls, m_nextIndex++);
    } else if (known->second < archive::kBigObjectTag) {
        writeWord(static_cast<std::uint16_t>(archive::kClassTag | known->second));
    } else {
        writeWord(archive::kBigObjectTag);
        writeDword(archive::kBigClassTag | known->second);
    }
    ++m_nextIndex;
}

}  // namespace vorlix
