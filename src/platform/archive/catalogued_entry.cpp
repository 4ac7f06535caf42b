#include "platform/archive/catalogued_entry.h"

#include <memory>

#include "platform/archive/archive_member.h"
#include "platform/disc/catalogued_file.h"

namespace vorlix {

OpenedEntry openCataloguedEntry(DiscDrives& drives, const std::string& cataloguedPath) {
    LeadingFile leading = openLeadingFile(drives, cataloguedPath);
    if (!leading.file) {
        return OpenedEntry::absent();
    }
    if (leading.rest.empty()) {
        return OpenedEntry::of(std::move(leading.file));
    }
    const std::string archivePath = leading.path;
    // The archive is opened again only when its member must be looked for a second time.
    auto first = std::make_shared<std::unique_ptr<VolumeFile>>(std::move(leading.file));
    const ArchiveSource source = [&drives, archivePath, first]() {
        if (*first) {
            return OpenedEntry::of(std::move(*first));
        }
        std::unique_ptr<VolumeFile> again = openCataloguedFile(drives, archivePath);
        return again ? OpenedEntry::of(std::move(again)) : OpenedEntry::absent();
    };
    return openArchiveMember(source, leading.rest, archivePath);
}

}  // namespace vorlix
