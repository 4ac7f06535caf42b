#include "core/catalog_format.h"

#include <functional>

#include "core/archive_writer.h"
#include "core/catalogue_items.h"
#include "core/code_page.h"
#include "core/disc_list_writer.h"
#include "core/disc_reader.h"
#include "core/ordered_batches.h"

namespace vorlix {

namespace {

using Kind = ObjectReference::Kind;

void writeTexts(ArchiveWriter& writer, const TextList& texts) {
    writer.writeCount(static_cast<std::uint32_t>(texts.size()));
    for (std::string_view text : texts) {
        writer.writeText(text);
    }
}

StringMap readStringMap(ArchiveReader& reader) {
    StringMap map;
    const std::uint32_t count = reader.readCount();
    reader.requireRemaining(count, 2 * kMinTextSize);
    map.reserve(count);
    std::string key;
    std::string scratch;
    for (std::uint32_t i = 0; i < count; ++i) {
        reader.readText(key);
        map.set(key, CompactText(reader.readTextView(scratch)));
    }
    map.shrinkToFit();
    return map;
}

NamedObject readNamedObject(ArchiveReader& reader, const std::string& key) {
    const ObjectReference reference = reader.readReference();
    if (reference.kind == Kind::NewObject) {
        if (reference.cls == &persistent_class::kStringList) {
            StringList list;
            std::string scratch;
            readTexts(reader, list.items, scratch);
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

std::string storedKey(std::string_view key, const CodePage& codePage) {
    std::string stored;
    return codePage.encode(key, stored) ? stored : std::string(key);
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

// What follows the discs: the categories and named objects, into the catalogue.
void readRest(ArchiveReader& reader, CQXCatalog& catalogue) {
    std::string scratch;
    readTexts(reader, catalogue.categories, scratch);

    const std::uint32_t namedCount = reader.readCount();
    reader.requireRemaining(namedCount, kMinTextSize + kMinReferenceSize);
    catalogue.named.reserve(catalogue.named.size() + namedCount);
    for (std::uint32_t i = 0; i < namedCount; ++i) {
        std::string key = reader.readText();
        catalogue.named.set(key, readNamedObject(reader, key));
    }
    catalogue.named.shrinkToFit();
}

// The discs, given each to `takeDisc` after their count to `start`, then the categories and
// named objects into the catalogue.
void readParts(ByteSource& source, const CodePage& codePage, CQXCatalog& catalogue,
               const std::function<void(std::uint32_t)>& start,
               const std::function<void(DiscReader&)>& takeDisc) {
    ArchiveReader reader(source, codePage, catalogueClasses());
    DiscReader discReader(reader);

    const std::uint32_t discCount = reader.readCount();
    reader.requireRemaining(discCount, kMinReferenceSize);
    start(discCount);
    for (std::uint32_t i = 0; i < discCount; ++i) {
        takeDisc(discReader);
    }
    readRest(reader, catalogue);
}

// Goes over what follows the discs with every check that reading it makes.
void checkRest(ArchiveReader& reader) {
    skipTexts(reader);
    const std::uint32_t namedCount = reader.readCount();
    reader.requireRemaining(namedCount, kMinTextSize + kMinReferenceSize);
    for (std::uint32_t i = 0; i < namedCount; ++i) {
        const std::string key = reader.readText();
        readNamedObject(reader, key);
    }
}

}  // namespace

std::vector<const ArchiveClass*> catalogueClasses() {
    using namespace persistent_class;
    return {&kDisc, &kFileData, &kHelpPlaylist, &kStringList, &kStringMap, &kByteArray};
}

void readCatalogue(ByteSource& source, const CodePage& codePage, CQXCatalog& catalogue) {
    readParts(
        source, codePage, catalogue,
        [&catalogue](std::uint32_t count) {
            catalogue.discs.reserve(catalogue.discs.size() + count);
        },
        [&catalogue](DiscReader& discs) { catalogue.discs.push_back(discs.read()); });
}

void readCatalogue(ByteSource& source, const CodePage& codePage, CQXCatalog& rest,
                   DiscVisitor& visitor) {
    readParts(
        source, codePage, rest, [&visitor](std::uint32_t count) { visitor.start(count); },
        [&visitor](DiscReader& discs) { discs.visit(visitor); });
}

std::vector<DiscListPlace> checkCatalogue(ByteSource& source, const CodePage& codePage,
                                          std::uint64_t spacing, const SourceFrom& from) {
    ArchiveReader reader(source, codePage, catalogueClasses());
    const std::uint32_t discCount = reader.readCount();
    reader.requireRemaining(discCount, kMinReferenceSize);
    DiscListCheck discs = checkDiscList(reader, discCount, codePage, spacing, source.size(), from);
    if (discs.readerAtEnd) {
        checkRest(reader);
    } else {
        const std::unique_ptr<ByteSource> rest = from(discs.places.back().archive.offset);
        ArchiveReader restReader(*rest, codePage, catalogueClasses(), discs.places.back().archive);
        checkRest(restReader);
    }
    return std::move(discs.places);
}

void visitDiscs(ByteSource& source, const CodePage& codePage, const DiscListPlace& from,
                std::uint32_t end, DiscVisitor& visitor) {
    ArchiveReader reader(source, codePage, catalogueClasses(), from.archive);
    DiscReader discReader(reader);
    for (std::uint32_t i = from.disc; i < end; ++i) {
        discReader.visit(visitor);
    }
}

void readCatalogueRest(ByteSource& source, const CodePage& codePage, const DiscListPlace& from,
                       CQXCatalog& rest) {
    ArchiveReader reader(source, codePage, catalogueClasses(), from.archive);
    readRest(reader, rest);
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
                        const TextList& categories, const NamedObjects& named) {
    writer.writeCount(static_cast<std::uint32_t>(discs.size()));
    writeDiscList(writer, discs, batchWorkers());
    writeCatalogueRest(writer, categories, named);
}

void writeFileEntry(ArchiveWriter& writer, std::string_view name, std::string_view folder,
                    std::string_view size, std::string_view drive, const TextList& categories) {
    if (categories.empty()) {
        const std::string_view texts[] = {name, folder, size, drive};
        writer.writeObjectOfTexts(persistent_class::kFileData, texts);
        return;
    }
    writer.beginObject(persistent_class::kFileData);
    writer.writeText(name);
    writer.writeText(folder);
    writer.writeText(size);
    writer.writeText(drive);
    writeTexts(writer, categories);
}

void writeDiscTexts(ArchiveWriter& writer, const DiscTexts& disc) {
    for (std::string_view text : disc.texts()) {
        writer.writeText(text);
    }
    writeTexts(writer, disc.categories());
}

void writeCatalogueRest(ArchiveWriter& writer, const TextList& categories,
                        const NamedObjects& named) {
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
