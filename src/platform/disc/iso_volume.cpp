#include "platform/disc/iso_volume.h"

#include <cdio/iso9660.h>

#include <cstring>
#include <utility>

#include "platform/disc/iso_directory_entry.h"

namespace vorlix {

struct IsoVolume::Image {
    iso9660_t* iso = nullptr;

    explicit Image(iso9660_t* opened) : iso(opened) {}
    ~Image() { iso9660_close(iso); }
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;
};

std::unique_ptr<IsoVolume> IsoVolume::open(const std::string& location,
                                           std::optional<VolumeIdentity> identity) {
    iso9660_t* iso = iso9660_open_ext(location.c_str(), ISO_EXTENSION_ALL);
    if (iso == nullptr) {
        return nullptr;
    }
    // A volume whose root cannot be listed holds nothing that can be read.
    CdioISO9660FileList_t* root = iso9660_ifs_readdir(iso, "/");
    if (root == nullptr) {
        iso9660_close(iso);
        return nullptr;
    }
    iso9660_filelist_free(root);
    return std::unique_ptr<IsoVolume>(
        new IsoVolume(std::make_unique<Image>(iso), std::move(identity)));
}

IsoVolume::IsoVolume(std::unique_ptr<Image> image, std::optional<VolumeIdentity> identity)
    : m_image(std::move(image)), m_identity(std::move(identity)) {}

IsoVolume::~IsoVolume() = default;

namespace {

FolderPlace extentPlace(const iso9660_stat_t& record) {
    return FolderPlace{0, static_cast<std::uint64_t>(record.lsn)};
}

}  // namespace

bool IsoVolume::list(std::string_view path, std::vector<DirectoryEntry>& entries) {
    entries.clear();
    m_listedPath = path;
    m_listedPlace.reset();
    const std::string isoPath = "/" + std::string(path);
    CdioISO9660FileList_t* records = iso9660_ifs_readdir(m_image->iso, isoPath.c_str());
    if (records == nullptr) {
        return false;
    }
    for (CdioListNode_t* node = _cdio_list_begin(records); node != nullptr;
         node = _cdio_list_node_next(node)) {
        const auto* record = static_cast<const iso9660_stat_t*>(_cdio_list_node_data(node));
        if (std::strcmp(record->filename, ".") == 0) {
            m_listedPlace = extentPlace(*record);
            continue;
        }
        if (std::strcmp(record->filename, "..") == 0) {
            continue;
        }
        const bool folder = record->type == iso9660_stat_s::_STAT_DIR;
        appendIsoEntry(entries, {isoEntryName(record->filename, record->rr.b3_rock == yep), folder,
                                 folder ? 0 : record->size});
    }
    iso9660_filelist_free(records);
    return true;
}

std::optional<FolderPlace> IsoVolume::place(std::string_view path) {
    if (path == m_listedPath && m_listedPlace) {
        return m_listedPlace;
    }
    const std::string isoPath = "/" + std::string(path);
    iso9660_stat_t* record = iso9660_ifs_stat_translate(m_image->iso, isoPath.c_str());
    if (record == nullptr) {
        return std::nullopt;
    }
    const FolderPlace found = extentPlace(*record);
    iso9660_stat_free(record);
    return found;
}

}  // namespace vorlix
