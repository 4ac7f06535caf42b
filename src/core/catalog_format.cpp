#include "core/catalog_format.h"

#include "core/archive_writer.h"
#include "core/code_page.h"
#include "core/packed_text.h"

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

void writeTexts(ArchiveWriter& writer, const TextList& texts) {
    writer.writeCount(static_cast<std::uint32_t>(texts.size()));
    for (std::string_view text : texts) {
        writer.writeText(text);
    }
}

// Buffers reused for every disc, so that reading a disc's entries allocates only what the
// disc keeps: its run of entries and one block with their texts. The blocks are laid out as
// CQXFileData reads them, each at an even offset.
struct ReadScratch {
    std::string text, folder, newFolder, drive;
    std::string blocks;
    std::vector<FileEntries::ReadEntry> entries;
};

void endBlock(std::string& blocks) {
    if (blocks.size() % 2 != 0) {
        blocks.push_back('\0');
    }
}

// The name and size go into the entry's block as they are read. Entries of one folder follow
// each other, so an entry shares the folder block of the one before when folder and drive are
// the same; scratch.folder and scratch.drive hold the texts of that block.
void readFileEntries(ArchiveReader& reader, std::uint32_t count, ReadScratch& scratch,
                     FileEntries& files) {
    scratch.blocks.clear();
    scratch.entries.clear();
    scratch.entries.resize(count);
    scratch.folder.clear();
    scratch.drive.clear();
    std::size_t place = FileEntries::ReadEntry::kNoBlock;
    for (FileEntries::ReadEntry& entry : scratch.entries) {
        expectNewObject(reader, persistent_class::kFileData);
        entry.own = scratch.blocks.size();
        packed_text::append(scratch.blocks, reader.readTextView(scratch.text));
        const std::string_view folder = reader.readTextView(scratch.text);
        const bool sameFolder = folder == scratch.folder;
        if (!sameFolder) {
            scratch.newFolder.assign(folder);
        }
        packed_text::append(scratch.blocks, reader.readTextView(scratch.text));
        packed_text::append(scratch.blocks, "0");
        endBlock(scratch.blocks);
        const std::string_view drive = reader.readTextView(scratch.text);
        if (!sameFolder || drive != scratch.drive) {
            if (!sameFolder) {
                scratch.folder.swap(scratch.newFolder);
            }
            scratch.drive.assign(drive);
            place = FileEntries::ReadEntry::kNoBlock;
            if (!scratch.folder.empty() || !scratch.drive.empty()) {
                place = scratch.blocks.size();
                packed_text::append(scratch.blocks, scratch.folder);
                packed_text::append(scratch.blocks, scratch.drive);
                endBlock(scratch.blocks);
            }
        }
        entry.place = place;
        if (const std::uint32_t categories = reader.readCount(); categories != 0) {
            readTexts(reader, categories, entry.categories, scratch.text);
        }
    }
    files.appendRead(scratch.blocks, scratch.entries);
}

std::unique_ptr<CQXDisc> readDisc(ArchiveReader& reader, ReadScratch& scratch) {
    const std::uint16_t schema = expectNewObject(reader, persistent_class::kDisc).schema;
    if (schema == 1 || schema > 5) {
        reader.fail("CQXDisc schema " + std::to_string(schema) + " is not supported");
    }
    auto disc = std::make_unique<CQXDisc>();
    const std::uint32_t fileCount = reader.readCount();
    reader.requireRemaining(fileCount, kMinFileEntrySize);
    readFileEntries(reader, fileCount, scratch, disc->files);
    for (CompactText* text :
         {&disc->number, &disc->quality, &disc->info, &disc->artist, &disc->name, &disc->location,
          &disc->date, &disc->lendDate, &disc->outline}) {
        *text = reader.readTextView(scratch.text);
    }
    if (schema >= 3) {
        for (CompactText* text :
             {&disc->ownerName, &disc->ownerDigest, &disc->shared, &disc->serial}) {
            *text = reader.readTextView(scratch.text);
        }
    } else {
        disc->ownerName = "null";
        disc->ownerDigest = "null";
        disc->shared = "Yes";
        disc->serial = "0";
    }
    if (schema >= 5) {
        disc->size = reader.readTextView(scratch.text);
    } else {
        disc->size = "0.0";
    }
    readTexts(reader, disc->categories, scratch.text);
    return disc;
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
    for (CQXFileData& entry : disc.files) {
        writeFileEntry(writer, entry);
    }
    for (const CompactText* text :
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
    ReadScratch scratch;

    const std::uint32_t discCount = reader.readCount();
    reader.requireRemaining(discCount, kMinReferenceSize);
    catalogue.discs.reserve(catalogue.discs.size() + discCount);
    for (std::uint32_t i = 0; i < discCount; ++i) {
        catalogue.discs.push_back(readDisc(reader, scratch));
    }
    readTexts(reader, catalogue.categories, scratch.text);

    const std::uint32_t namedCount = reader.readCount();
    reader.requireRemaining(namedCount, kMinTextSize + kMinReferenceSize);
    catalogue.named.reserve(catalogue.named.size() + namedCount);
    for (std::uint32_t i = 0; i < namedCount; ++i) {
        std::string key = reader.readText();
        catalogue.named.set(key, readNamedObject(reader, key));
    }
    catalogue.named.shrinkToFit();
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
