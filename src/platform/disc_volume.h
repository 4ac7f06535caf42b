#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlix {

// One entry of a folder as the scan sees it: the name's bytes as the file system reports them
// (UTF-8 nearly always; the scan reads any others as Windows-1252), whether it is a folder, and
// its size in bytes (0 for folders). An entry that is neither a file nor a folder the scan can
// read (a FIFO, a socket, a device, or one whose status cannot be read) is listed as unreadable,
// so that the scan can leave it out and say so.
struct DirectoryEntry {
    std::string name;
    bool folder = false;
    std::uint64_t size = 0;
    bool unreadable = false;

    bool operator==(const DirectoryEntry&) const = default;
};

// Where a folder's own records lie on its medium: the extent of an ISO 9660 directory, the file
// entry of a UDF one, the device and inode of a folder on disk. Two names for one place are one
// folder, which a walk must not enter twice.
struct FolderPlace {
    std::uint64_t area = 0;
    std::uint64_t position = 0;

    auto operator<=>(const FolderPlace&) const = default;
};

// Label and 32-bit serial number of a medium, equal to what Windows reports for it.
struct VolumeIdentity {
    std::string label;
    std::uint32_t serial = 0;
};

// The table of contents of an audio CD: the start sector (LBA, without the 150-sector lead-in)
// of every track from the first track on, and the lead-out's start sector.
struct AudioToc {
    int firstTrack = 1;
    std::vector<std::uint32_t> trackStarts;
    std::uint32_t leadOut = 0;
};

// A file opened for reading from its start to its end.
class VolumeFile {
public:
    virtual ~VolumeFile() = default;
    // The size the medium records for the file.
    virtual std::uint64_t size() const = 0;
    // Reads up to n bytes at the current position into destination and moves past them; 0 at
    // the end; nullopt when the medium cannot be read there (a scratched disc).
    virtual std::optional<std::size_t> read(char* destination, std::size_t n) = 0;
    // Moves the read position to position (at most size()); false when this file can only be
    // read from start to end, or the medium refuses. Archive formats with their index at the
    // end (zip, 7z) need it to be read without reading everything before.
    virtual bool seek(std::uint64_t position) {
        static_cast<void>(position);
        return false;
    }
    // Why the last read gave nullopt, in words for the user; empty when there is nothing more
    // to say than that the medium could not be read there.
    virtual std::string readProblem() const { return {}; }
};

// A medium opened for reading: an optical drive's disc, an ISO or BIN/CUE image, or a folder
// read as a disc. Paths inside the volume are relative to its root, components as listed and
// joined by "/" ("" is the root, "Music/Rock" a folder below it), each component the bytes of
// its entry's name.
class DiscVolume {
public:
    virtual ~DiscVolume() = default;

    // Whether the root can be entered: a medium is there and readable.
    virtual bool ready() = 0;
    // When not ready, what is wrong with the source in words for the user ("...: not a disc
    // image"); empty when there is nothing more to say than that no disc is there.
    virtual std::string problem() { return {}; }
    // Label and serial; nullopt when the query fails (no medium, or a folder, which has none).
    virtual std::optional<VolumeIdentity> identity() = 0;
    // Replaces entries with the folder's entries in file-system order, "." and ".." left out.
    // False when the folder cannot be enumerated (entries is then empty). An audio CD lists one
    // "TrackNN.cda" of 44 bytes per audio track in its root.
    virtual bool list(std::string_view path, std::vector<DirectoryEntry>& entries) = 0;
    // Where the folder at path lies; nullopt when the medium does not tell. Asked right after
    // list() of the same path, which a volume may answer from what that listing read.
    virtual std::optional<FolderPlace> place(std::string_view path) {
        static_cast<void>(path);
        return std::nullopt;
    }
    // The audio table of contents; nullopt for anything but an audio disc.
    virtual std::optional<AudioToc> audioToc() = 0;
    // The file at path (components as listed), to read without mounting the medium; null when
    // it is not there or the volume cannot read files itself (then it is reached as a mounted
    // or real file). It reads from the volume, which must outlive it.
    virtual std::unique_ptr<VolumeFile> openFile(std::string_view path) {
        static_cast<void>(path);
        return nullptr;
    }
};

}  // namespace vorlix
