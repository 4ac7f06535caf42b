#include "platform/disc/udf_volume.h"

#include <udfread/udfread.h>

#include <cstring>
#include <utility>

namespace vorlix {

struct UdfVolume::Reader {
    udfread* udf = udfread_init();

    Reader() = default;
    ~Reader() { udfread_close(udf); }
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;
};

namespace {

std::uint64_t fileSize(UDFDIR* folder, const char* name) {
    UDFFILE* file = udfread_file_openat(folder, name);
    if (file == nullptr) {
        return 0;
    }
    const std::int64_t size = udfread_file_size(file);
    udfread_file_close(file);
    return size < 0 ? 0 : static_cast<std::uint64_t>(size);
}

}  // namespace

std::unique_ptr<UdfVolume> UdfVolume::open(const std::string& location,
                                           std::optional<VolumeIdentity> identity) {
    auto reader = std::make_unique<Reader>();
    if (reader->udf == nullptr || udfread_open(reader->udf, location.c_str()) < 0) {
        return nullptr;
    }
    return std::unique_ptr<UdfVolume>(new UdfVolume(std::move(reader), std::move(identity)));
}

UdfVolume::UdfVolume(std::unique_ptr<Reader> reader, std::optional<VolumeIdentity> identity)
    : m_reader(std::move(reader)), m_identity(std::move(identity)) {}

UdfVolume::~UdfVolume() = default;

bool UdfVolume::list(std::string_view path, std::vector<DirectoryEntry>& entries) {
    entries.clear();
    const std::string udfPath = "/" + std::string(path);
    UDFDIR* folder = udfread_opendir(m_reader->udf, udfPath.c_str());
    if (folder == nullptr) {
        return false;
    }
    udfread_dirent item;
    while (udfread_readdir(folder, &item) != nullptr) {
        if (std::strcmp(item.d_name, ".") == 0 || std::strcmp(item.d_name, "..") == 0) {
            continue;
        }
        const bool isFolder = item.d_type == UDF_DT_DIR;
        entries.push_back({item.d_name, isFolder, isFolder ? 0 : fileSize(folder, item.d_name)});
    }
    udfread_closedir(folder);
    return true;
}

}  // namespace vorlix
