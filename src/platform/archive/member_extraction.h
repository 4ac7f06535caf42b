#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

namespace vorlix {

class DiscDrives;
class PrivateTemporaryFolder;

// How an extraction ended: the file it wrote, or nothing, with the reason when it failed.
struct [[nodiscard]] Extraction {
    enum class End { Done, Stopped, Failed };

    End end = End::Failed;
    std::string path;     // the file written, when done
    std::string message;  // why it failed; empty when nothing more than "not there" can be said
};

// Told how many bytes of how many are written so far.
using ExtractionProgress = std::function<void(std::uint64_t written, std::uint64_t total)>;

// Writes what a catalogued path names, usually a member of an archive on the disc, to a file of
// its own, for a program of the desktop to open.
class MemberExtractor {
public:
    virtual ~MemberExtractor() = default;
    // Runs on the calling thread until done, failed or stopped (stop set); a file not written
    // whole is removed.
    virtual Extraction extract(const std::string& cataloguedPath, const std::atomic<bool>& stop,
                               const ExtractionProgress& progress) = 0;
};

// Extracts from the drives into a new place of the private temporary folder, under the name
// the catalogue gives the member, so that the desktop picks its program by the name.
class ArchiveMemberExtractor final : public MemberExtractor {
public:
    ArchiveMemberExtractor(DiscDrives& drives, PrivateTemporaryFolder& folder);

    Extraction extract(const std::string& cataloguedPath, const std::atomic<bool>& stop,
                       const ExtractionProgress& progress) override;

private:
    DiscDrives& m_drives;
    PrivateTemporaryFolder& m_folder;
};

}  // namespace vorlix
