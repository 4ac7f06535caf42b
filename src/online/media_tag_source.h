#pragma once

#include <string>

namespace vorlix {

// Gives the media tag of the audio CD behind a drive path ("D:\"), the text a freedb query of
// that disc needs; empty when there is no audio disc.
class MediaTagSource {
public:
    virtual ~MediaTagSource() = default;
    virtual std::string mediaTag(const std::string& drivePath) = 0;
};

}  // namespace vorlix
