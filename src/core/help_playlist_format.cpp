#include "core/help_playlist_format.h"

#include "core/archive_writer.h"
#include "core/catalog_format.h"

namespace vorlix {

std::vector<CQXHPlaylist> readHelpPlaylist(ByteSource& source, const CodePage& codePage) {
    ArchiveReader reader(source, codePage, catalogueClasses());
    const std::uint32_t count = reader.readCount();
    reader.requireRemaining(count, 2 + 2);
    std::vector<CQXHPlaylist> items;
    items.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        const ObjectReference reference = reader.readReference();
        if (reference.kind != ObjectReference::Kind::NewObject ||
            reference.cls != &persistent_class::kHelpPlaylist) {
            reader.fail("expected a new CQXHPlaylist object");
        }
        CQXHPlaylist item;
        item.fileName = reader.readText();
        item.discNumber = reader.readText();
        items.push_back(std::move(item));
    }
    return items;
}

std::string writeHelpPlaylist(const std::vector<CQXHPlaylist>& items, const CodePage& codePage) {
    StringSink sink;
    ArchiveWriter writer(codePage, sink);
    writer.writeCount(static_cast<std::uint32_t>(items.size()));
    for (const auto& item : items) {
        writer.beginObject(persistent_class::kHelpPlaylist);
        writer.writeText(item.fileName);
        writer.writeText(item.discNumber);
    }
    writer.flush();
    return std::move(sink.bytes());
}

}  // namespace vorlix
