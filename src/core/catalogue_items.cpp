#include "core/catalogue_items.h"

namespace vorlix {

ObjectReference expectNewObject(ArchiveReader& reader, const ArchiveClass& cls) {
    const ObjectReference reference = reader.readReference();
    if (reference.kind != ObjectReference::Kind::NewObject || reference.cls != &cls) {
        reader.fail("expected a new " + std::string(cls.name) + " object");
    }
    return reference;
}

void readTexts(ArchiveReader& reader, std::uint32_t count, TextList& texts, std::string& scratch) {
    reader.requireRemaining(count, kMinTextSize);
    for (std::uint32_t i = 0; i < count; ++i) {
        texts.push_back(reader.readTextView(scratch));
    }
    texts.shrinkToFit();
}

void readTexts(ArchiveReader& reader, TextList& texts, std::string& scratch) {
    readTexts(reader, reader.readCount(), texts, scratch);
}

void skipTexts(ArchiveReader& reader) {
    const std::uint32_t count = reader.readCount();
    reader.requireRemaining(count, kMinTextSize);
    for (std::uint32_t i = 0; i < count; ++i) {
        reader.skipText();
    }
}

}  // namespace vorlix
