#include "core/disc.h"

#include <utility>

#include "core/packed_text.h"

namespace vorlix {

namespace {

// The texts packed back to back, or null when every one is empty.
char* packedBlock(const DiscTexts::Texts& texts) {
    std::size_t size = 0;
    bool empty = true;
    for (std::string_view text : texts) {
        size += packed_text::storedSize(text);
        empty = empty && text.empty();
    }
    if (empty) {
        return nullptr;
    }
    char* block = new char[size];
    char* out = block;
    for (std::string_view text : texts) {
        out = packed_text::put(out, text);
    }
    return block;
}

}  // namespace

DiscTexts::DiscTexts(const DiscTexts& other)
    : m_block(packedBlock(other.texts())), m_categories(other.m_categories) {}

DiscTexts& DiscTexts::operator=(const DiscTexts& other) {
    if (this != &other) {
        replaceBlock(packedBlock(other.texts()));
        m_categories = other.m_categories;
    }
    return *this;
}

DiscTexts::DiscTexts(DiscTexts&& other) noexcept
    : m_block(std::exchange(other.m_block, nullptr)), m_categories(std::move(other.m_categories)) {}

DiscTexts& DiscTexts::operator=(DiscTexts&& other) noexcept {
    if (this != &other) {
        replaceBlock(std::exchange(other.m_block, nullptr));
        m_categories = std::move(other.m_categories);
    }
    return *this;
}

DiscTexts::~DiscTexts() {
    delete[] m_block;
}

void DiscTexts::replaceBlock(char* block) {
    delete[] std::exchange(m_block, block);
}

std::string_view DiscTexts::text(Text which) const {
    if (m_block == nullptr) {
        return {};
    }
    const char* p = m_block;
    for (std::size_t i = 0; i < which; ++i) {
        packed_text::take(p);
    }
    return packed_text::take(p);
}

void DiscTexts::setText(Text which, std::string_view value) {
    Texts all = texts();
    if (all[which] != value) {
        all[which] = value;
        setTexts(all);
    }
}

DiscTexts::Texts DiscTexts::texts() const {
    Texts texts{};
    if (m_block != nullptr) {
        const char* p = m_block;
        for (std::string_view& text : texts) {
            text = packed_text::take(p);
        }
    }
    return texts;
}

void DiscTexts::setTexts(const Texts& texts) {
    // The new block is complete before the old one goes, since the texts may lie in it.
    replaceBlock(packedBlock(texts));
}

std::string_view DiscTexts::number() const {
    return text(kNumber);
}

std::string_view DiscTexts::quality() const {
    return text(kQuality);
}

std::string_view DiscTexts::info() const {
    return text(kInfo);
}

std::string_view DiscTexts::artist() const {
    return text(kArtist);
}

std::string_view DiscTexts::name() const {
    return text(kName);
}

std::string_view DiscTexts::location() const {
    return text(kLocation);
}

std::string_view DiscTexts::date() const {
    return text(kDate);
}

std::string_view DiscTexts::lendDate() const {
    return text(kLendDate);
}

std::string_view DiscTexts::outline() const {
    return text(kOutline);
}

std::string_view DiscTexts::ownerName() const {
    return text(kOwnerName);
}

std::string_view DiscTexts::ownerDigest() const {
    return text(kOwnerDigest);
}

std::string_view DiscTexts::shared() const {
    return text(kShared);
}

std::string_view DiscTexts::serial() const {
    return text(kSerial);
}

std::string_view DiscTexts::size() const {
    return text(kSize);
}

void DiscTexts::setNumber(std::string_view value) {
    setText(kNumber, value);
}

void DiscTexts::setQuality(std::string_view value) {
    setText(kQuality, value);
}

void DiscTexts::setInfo(std::string_view value) {
    setText(kInfo, value);
}

void DiscTexts::setArtist(std::string_view value) {
    setText(kArtist, value);
}

void DiscTexts::setName(std::string_view value) {
    setText(kName, value);
}

void DiscTexts::setLocation(std::string_view value) {
    setText(kLocation, value);
}

void DiscTexts::setDate(std::string_view value) {
    setText(kDate, value);
}

void DiscTexts::setLendDate(std::string_view value) {
    setText(kLendDate, value);
}

void DiscTexts::setOutline(std::string_view value) {
    setText(kOutline, value);
}

void DiscTexts::setOwnerName(std::string_view value) {
    setText(kOwnerName, value);
}

void DiscTexts::setOwnerDigest(std::string_view value) {
    setText(kOwnerDigest, value);
}

void DiscTexts::setShared(std::string_view value) {
    setText(kShared, value);
}

void DiscTexts::setSerial(std::string_view value) {
    setText(kSerial, value);
}

void DiscTexts::setSize(std::string_view value) {
    setText(kSize, value);
}

std::string outlineWithName(const std::string& outline, const std::string& newName) {
    const auto space = outline.find(' ');
    const std::string numberPart = space == std::string::npos ? "" : outline.substr(0, space);
    const auto lineEnd = outline.find("\r\n");
    const std::string rest = lineEnd == std::string::npos ? outline : outline.substr(lineEnd);
    return numberPart + " " + newName + rest;
}

}  // namespace vorlix
