#include "core/catalog_format.h"

#include "core/archive_writer.h"
#include "core/code_page.h"

namespace vorlix {

namespace {

using Kind = ObjectReference::Kind;

// Smallest stored sizes, used to bound a count by the bytes left before reserving for it.
constexpr std::uint64_t kMinTextSize = 1;
constexpr std::uint64_t kMinReferenceSize = 2;
constexpr std::uint64_t kMinFileEntrySize = 2 + 4 * kMinTextSize + 2;

ObjectReference expectNewObject(ArchiveReader& reader, const ArchiveClass& cls) {
    const ObjectReference reference = reader.readReference();
    if (reference.kind != Kind::NewObject || reference.cls != &cls) {
        reader.fail("expected a new " + std::string(cls.name) + " object");
    }
    return reference;
}

void readTexts(ArchiveReader& reader, std::uint32_t count, std::vector<std::string>& texts) {
    reader.requireRemaining(count, kMinTextSize);
    texts.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        texts.push_back(reader.readText());
    }
}

void readTexts(ArchiveReader& reader, std::vector<std::string>& texts) {
    readTexts(reader, reader.readCount(), texts);
}

void writeTexts(ArchiveWriter& writer, const std::vector<std::string>& texts) {
    writer.writeCount(static_cast<std::uint32_t>(texts.size()));
    for (const auto& text : texts) {
        writer.writeText(text);
    }
}

// Scratch texts reused for every file entry so that reading allocates only the entry itself.
struct FileEntryScratch {
    std::string name, folder, size, drive;
};

std::unique_ptr<CQXFileData> readFileEntry(ArchiveReader& reader, FileEntryScratch& scratch,
                                           TextArena& arena) {
    expectNewObject(reader, persistent_class::kFileData);
    reader.readText(scratch.name);
    reader.readText(scratch.folder);
    reader.readText(scratch.size);
    reader.readText(scratch.drive);
    auto entry = std::make_unique<CQXFileData>(arena, scratch.name, scratch.folder, scratch.size,
                                               scratch.drive, "0");
    if (const std::uint32_t count = reader.readCount(); count != 0) {
        readTexts(reader, count, entry->editCategories());
    }
    return entry;
}

std::unique_ptr<CQXDisc> readDisc(ArchiveReader& reader, FileEntryScratch& scratch) {
    const std::uint16_t schema = expectNewObject(reader, persistent_class::kDisc).schema;
    if (schema == 1 || schema > 5) {
        reader.fail("CQXDisc schema " + std::to_string(schema) + " is not supported");
    }
    auto disc = std::make_unique<CQXDisc>();
    const std::uint32_t fileCount = reader.readCount();
    reader.requireRemaining(fileCount, kMinFileEntrySize);
    disc->files.reserve(fileCount);
    for (std::uint32_t i = 0; i < fileCount; ++i) {
        disc->files.push_back(readFileEntry(reader, scratch, disc->textArena));
    }
    for (std::string* text :
         {&disc->number, &disc->quality, &disc->info, &disc->artist, &disc->name, &disc->location,
          &disc->date, &disc->lendDate, &disc->outline}) {
        reader.readText(*text);
    }
    if (schema >= 3) {
        for (std::string* text :
             {&disc->ownerName, &disc->ownerDigest, &disc->shared, &disc->serial}) {
            reader.readText(*text);
        }
    } else {
        disc->ownerName = "null";
        disc->ownerDigest = "null";
        disc->shared = "Yes";
        disc->serial = "0";
    }
    if (schema >= 5) {
        reader.readText(disc->size);
    } else {
        disc->size = "0.0";
    }
    readTexts(reader, disc->categories);
    return disc;
}

StringMap readStringMap(ArchiveReader& reader) {
    StringMap map;
    const std::uint32_t count = reader.readCount();
    reader.requireRemaining(count, 2 * kMinTextSize);
    for (std::uint32_t i = 0; i < count; ++i) {
        std::string key = reader.readText();
        map.set(key, reader.readText());
    }
    return map;
}

NamedObject readNamedObject(ArchiveReader& reader, const std::string& key) {
    const ObjectReference reference = reader.readReference();
    if (reference.kind == Kind::NewObject) {
        if (reference.cls == &persistent_class::kStringList) {
            StringList list;
            readTexts(reader, list.items);
            return list;
        }
        if (reference.cls == &persistent_class::kStringMap) {
            return readStringMap(reader);
        }
        if (reference.cls == &persistent_class::kByteArray) {
            ByteArray array;
            const std::uint32_t size = reader.readCount();
            reader.readBytes(size, array.bytes);
            return array;
        }
    }
    reader.fail("named object \"" + key + "\" is not a list, text map or byte array");
}

std::string storedKey(const std::string& key, const CodePage& codePage) {
    std::string stored;
    return codePage.encode(key, stored) ? stored : key;
}

template <typename Value>
std::vector<std::size_t> mapFileOrder(const InsertionOrderedMap<Value>& map,
                                      const CodePage& codePage) {
    std::vector<std::string> keys;
    keys.reserve(map.size());
    for (const auto& entry : map.entries()) {
        keys.push_back(storedKey(entry.first, codePage));
    }
    return storedOrder(keys);
}

void writeFileEntry(ArchiveWriter& writer, CQXFileData& entry) {
    writer.beginObject(persistent_class::kFileData);
    const auto [name, folder, size, drive, discNumber] = entry.fields();
    writer.writeText(name);
    writer.writeText(folder);
    writer.writeText(size);
    writer.writeText(drive);
    writeTexts(writer, entry.categories());
    if (discNumber != "0") {
        entry.setDiscNumber("0");
    }
}

void writeDisc(ArchiveWriter& writer, CQXDisc& disc) {
    writer.beginObject(persistent_class::kDisc);
    writer.writeCount(static_cast<std::uint32_t>(disc.files.size()));
    for (auto& entry : disc.files) {
        writeFileEntry(writer, *entry);
    }
    for (const std::string* text :
         {&disc.number, &disc.quality, &disc.info, &disc.artist, &disc.name, &disc.location,
          &disc.date, &disc.lendDate, &disc.outline, &disc.ownerName, &disc.ownerDigest,
          &disc.shared, &disc.serial, &disc.size}) {
        writer.writeText(*text);
    }
    writeTexts(writer, disc.categories);
}

void writeNamedObject(ArchiveWriter& writer, const NamedObject& object, const CodePage& codePage) {
    if (const auto* list = std::get_if<StringList>(&object)) {
        writer.beginObject(persistent_class::kStringList);
        writeTexts(writer, list->items);
    } else if (const auto* map = std::get_if<StringMap>(&object)) {
        writer.beginObject(persistent_class::kStringMap);
        writer.writeCount(static_cast<std::uint32_t>(map->size()));
        for (std::size_t i : mapFileOrder(*map, codePage)) {
            writer.writeText(map->entries()[i].first);
            writer.writeText(map->entries()[i].second);
        }
    } else {
        const auto& array = std::get<ByteArray>(object);
        writer.beginObject(persistent_class::kByteArray);
        writer.writeCount(static_cast<std::uint32_t>(array.bytes.size()));
        writer.writeBytes(array.bytes);
    }
}

}  // namespace

std::vector<const ArchiveClass*> catalogueClasses() {
    using namespace persistent_class;
    return {&kDisc, &kFileData, &kHelpPlaylist, &kStringList, &kStringMap, &kByteArray};
}

void readCatalogue(ByteSource& source, const CodePage& codePage, CQXCatalog& catalogue) {
    ArchiveReader reader(source, codePage, catalogueClasses());
    FileEntryScratch scratch;

    const std::uint32_t discCount = reader.readCount();
    reader.requireRemaining(discCount, kMinReferenceSize);
    catalogue.discs.reserve(catalogue.discs.size() + discCount);
    for (std::uint32_t i = 0; i < discCount; ++i) {
        catalogue.discs.push_back(readDisc(reader, scratch));
    }
    readTexts(reader, catalogue.categories);

    const std::uint32_t namedCount = reader.readCount();
    reader.requireRemaining(namedCount, kMinTextSize + kMinReferenceSize);
    for (std::uint32_t i = 0; i < namedCount; ++i) {
        std::string key = reader.readText();
        catalogue.named.set(key, readNamedObject(reader, key));
    }
}

std::string writeCatalogue(CQXCatalog& catalogue, const CodePage& codePage) {
    StringSink sink;
    writeCatalogue(catalogue, codePage, sink);
    return std::move(sink.bytes());
}

void writeCatalogue(CQXCatalog& catalogue, const CodePage& codePage, ByteSink& sink) {
    ArchiveWriter writer(codePage, sink);
    std::vector<CQXDisc*> discs;
    discs.reserve(catalogue.discs.size());
    for (auto& disc : catalogue.discs) {
        discs.push_back(disc.get());
    }
    writeCatalogueBody(writer, discs, catalogue.categories, catalogue.named);
    writer.flush();
}

void writeCatalogueBody(ArchiveWriter& writer, std::span<CQXDisc* const> discs,
                        const std::vector<std::string>& categories, const NamedObjects& named) {
    writer.writeCount(static_cast<std::uint32_t>(discs.size()));
    for (CQXDisc* disc : discs) {
        writeDisc(writer, *disc);
    }
    writeTexts(writer, categories);
    writer.writeCount(static_cast<std::uint32_t>(named.size()));
    for (std::size_t i : fileOrder(named, writer.codePage())) {
        writer.writeText(named.entries()[i].first);
        writeNamedObject(writer, named.entries()[i].second, writer.codePage());
    }
}

std::vector<std::size_t> fileOrder(const NamedObjects& map, const CodePage& codePage) {
    return mapFileOrder(map, codePage);
}

std::vector<std::size_t> fileOrder(const StringMap& map, const CodePage& codePage) {
    return mapFileOrder(map, codePage);
}

}  // namespace vorlix
