#include "core/disc.h"

namespace vorlix {

std::string_view DiscTexts::text(Text which) const {
    return m_texts[which].view();
}

void DiscTexts::setText(Text which, std::string_view value) {
    m_texts[which] = value;
}

DiscTexts::Texts DiscTexts::texts() const {
    Texts texts;
    for (std::size_t i = 0; i < kTextCount; ++i) {
        texts[i] = m_texts[i].view();
    }
    return texts;
}

void DiscTexts::setTexts(const Texts& texts) {
    for (std::size_t i = 0; i < kTextCount; ++i) {
        m_texts[i] = texts[i];
    }
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
