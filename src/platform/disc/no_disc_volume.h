#pragma once

#include <string>

#include "platform/disc_volume.h"

namespace vorlix {

// What stands behind a drive without a readable medium: an empty drive, a disc the system
// cannot read, or an image file that is missing or holds no known file system, with what is
// wrong with it when that is known.
class NoDiscVolume final : public DiscVolume {
public:
    NoDiscVolume() = default;
    explicit NoDiscVolume(std::string problem) : m_problem(std::move(problem)) {}

    bool ready() override { return false; }
    std::string problem() override { return m_problem; }
    std::optional<VolumeIdentity> identity() override { return std::nullopt; }
    bool list(std::string_view path, std::vector<DirectoryEntry>& entries) override;
    std::optional<AudioToc> audioToc() override { return std::nullopt; }

private:
    std::string m_problem;
};

}  // namespace vorlix
