#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/disc_drives.h"
#include "platform/disc_volume.h"

namespace vorlix::test {

// One line of a tree description: a path below the root, components joined by "/"; a path
// ending in "/" is a folder, anything else a file of the given size.
struct FakeEntry {
    std::string path;
    std::uint64_t size = 0;
};

// A medium held in memory. Folders list their entries in the order they were added, which
// stands for the file system's order; missing parent folders are made on the way.
//   FakeDiscVolume disc{{"Music/Rock/song.mp3", 4000}, {"Empty/"}, {"readme.txt", 12}};
class FakeDiscVolume final : public DiscVolume {
public:
    FakeDiscVolume() = default;
    FakeDiscVolume(std::initializer_list<FakeEntry> tree);

    // An audio CD: Track01.cda ... TrackNN.cda of 44 bytes in the root and a table of contents.
    static std::shared_ptr<FakeDiscVolume> audioCd(int tracks, std::string label = {},
                                                   std::uint32_t serial = 0);
    // A drive without a medium: not ready, no identity.
    static std::shared_ptr<FakeDiscVolume> noMedium();

    void add(std::string_view path, std::uint64_t size = 0);
    void setIdentity(std::string label, std::uint32_t serial);

    bool isReady = true;
    std::string notReadyProblem;                   // what problem() says while not ready
    std::optional<VolumeIdentity> volumeIdentity;  // nullopt: the query fails
    std::optional<AudioToc> toc;
    std::set<std::string> unreadableFolders;  // list() fails on these paths
    // Runs at the start of every list() with the path asked for, on the caller's thread; a
    // test stops or closes a scan from here to land in the middle of a walk.
    std::function<void(std::string_view path)> onList;
    std::vector<std::string> listedPaths;  // every path list() was asked for, in order
    // The bytes openFile() gives for a path; a file without any cannot be opened.
    std::map<std::string, std::string, std::less<>> contents;

    bool ready() override { return isReady; }
    std::string problem() override { return isReady ? std::string() : notReadyProblem; }
    std::optional<VolumeIdentity> identity() override;
    bool list(std::string_view path, std::vector<DirectoryEntry>& entries) override;
    std::optional<AudioToc> audioToc() override { return toc; }
    std::unique_ptr<VolumeFile> openFile(std::string_view path) override;

private:
    std::vector<DirectoryEntry>& folder(const std::string& path);

    std::map<std::string, std::vector<DirectoryEntry>> m_folders;
};

// A drive map over fake volumes. Every source takes the next letter from D: on in the order
// added (drives, images and folders alike), the same letter again for a location already
// added. open() hands out a view of the shared fake, so a test keeps configuring and inspecting
// the volume it gave. Like the real map it may be used from several threads.
class FakeDiscDrives final : public DiscDrives {
public:
    std::shared_ptr<FakeDiscVolume> addDrive(
        std::shared_ptr<FakeDiscVolume> volume = std::make_shared<FakeDiscVolume>());
    // What addImage() or addFolder() of this location will open; an unknown location opens as
    // an empty folder without identity.
    void provide(const std::string& location, std::shared_ptr<FakeDiscVolume> volume);

    std::vector<std::string> openedRoots;  // every root open() was asked for
    // Runs at the start of every open() with the root asked for, on the caller's thread; a test
    // holds a drive read here.
    std::function<void(const std::string& root)> onOpen;

    std::vector<DiscSource> opticalDrives() override;
    DiscSource addImage(const std::string& path) override;
    DiscSource addFolder(const std::string& path) override;
    std::unique_ptr<DiscVolume> open(const std::string& root) override;
    // The fake has no real files behind its volumes.
    std::optional<std::string> resolve(const std::string& cataloguedPath) override;

private:
    // With m_mutex held.
    DiscSource addSource(DiscSourceKind kind, const std::string& location);

    std::mutex m_mutex;
    std::vector<DiscSource> m_sources;
    std::vector<std::shared_ptr<FakeDiscVolume>> m_volumes;  // one per source
    std::map<std::string, std::shared_ptr<FakeDiscVolume>> m_provided;
};

}  // namespace vorlix::test
