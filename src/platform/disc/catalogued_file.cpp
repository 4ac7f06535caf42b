#include "platform/disc/catalogued_file.h"

#include <algorithm>
#include <vector>

#include "core/text_case.h"
#include "platform/disc/catalogued_path.h"
#include "platform/disc/local_file.h"
#include "platform/disc_drives.h"

namespace vorlix {

namespace {

// A file read from a volume that the file keeps open for as long as it lives.
class HeldVolumeFile final : public VolumeFile {
public:
    HeldVolumeFile(std::unique_ptr<DiscVolume> volume, std::unique_ptr<VolumeFile> file)
        : m_volume(std::move(volume)), m_file(std::move(file)) {}

    std::uint64_t size() const override { return m_file->size(); }
    std::optional<std::size_t> read(char* destination, std::size_t n) override {
        return m_file->read(destination, n);
    }
    bool seek(std::uint64_t position) override { return m_file->seek(position); }
    std::string readProblem() const override { return m_file->readProblem(); }

private:
    std::unique_ptr<DiscVolume> m_volume;
    std::unique_ptr<VolumeFile> m_file;
};

// The entry of the folder named like wanted: of the same case when there is one, else of any.
const DirectoryEntry* findEntry(const std::vector<DirectoryEntry>& entries,
                                const std::string& wanted) {
    const auto exact = std::find_if(entries.begin(), entries.end(),
                                    [&wanted](const auto& entry) { return entry.name == wanted; });
    if (exact != entries.end()) {
        return &*exact;
    }
    const std::string lower = lowerCase(wanted);
    const auto any = std::find_if(entries.begin(), entries.end(), [&lower](const auto& entry) {
        return lowerCase(entry.name) == lower;
    });
    return any == entries.end() ? nullptr : &*any;
}

std::unique_ptr<VolumeFile> openOnVolume(DiscDrives& drives, const CataloguedPath& path) {
    std::unique_ptr<DiscVolume> volume = drives.open(driveRoot(path.letter));
    if (!volume || !volume->ready() || path.components.empty()) {
        return nullptr;
    }
    std::string real;
    std::vector<DirectoryEntry> entries;
    for (const std::string& component : path.components) {
        if (!volume->list(real, entries)) {
            return nullptr;
        }
        const DirectoryEntry* entry = findEntry(entries, component);
        if (entry == nullptr) {
            return nullptr;
        }
        real += (real.empty() ? "" : "/") + entry->name;
    }
    std::unique_ptr<VolumeFile> file = volume->openFile(real);
    return file ? std::make_unique<HeldVolumeFile>(std::move(volume), std::move(file)) : nullptr;
}

}  // namespace

std::unique_ptr<VolumeFile> openCataloguedFile(DiscDrives& drives,
                                               const std::string& cataloguedPath) {
    const std::optional<CataloguedPath> parsed = parseCataloguedPath(cataloguedPath);
    if (!parsed) {
        return nullptr;
    }
    if (const std::optional<std::string> real = drives.resolve(cataloguedPath)) {
        if (std::unique_ptr<LocalFile> file = LocalFile::open(*real)) {
            return file;
        }
    }
    return openOnVolume(drives, *parsed);
}

LeadingFile openLeadingFile(DiscDrives& drives, const std::string& cataloguedPath) {
    const std::optional<CataloguedPath> parsed = parseCataloguedPath(cataloguedPath);
    if (!parsed) {
        return {};
    }
    const std::vector<std::string>& components = parsed->components;
    for (std::size_t length = components.size(); length > 0; --length) {
        std::string leading = driveRoot(parsed->letter);
        for (std::size_t i = 0; i < length; ++i) {
            leading += (i == 0 ? "" : "\\") + components[i];
        }
        if (std::unique_ptr<VolumeFile> file = openCataloguedFile(drives, leading)) {
            return {std::move(file),
                    leading,
                    {components.begin() + static_cast<std::ptrdiff_t>(length), components.end()}};
        }
    }
    return {};
}

}  // namespace vorlix
