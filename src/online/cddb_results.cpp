#include "online/cddb_results.h"

#include <cstdio>

#include "online/freedb_control.h"

namespace vorlix {

std::string trackRowText(std::int32_t track, const std::string& title) {
    char number[16];
    std::snprintf(number, sizeof number, "%02d", static_cast<int>(track));
    return std::string(number) + " " + title;
}

CddbResults readCddbResults(const C_uFREEDB& control) {
    CddbResults results{control.albumArtist(),
                        control.albumTitle(),
                        control.releaseYear(),
                        control.albumCategory(),
                        {}};
    const std::int32_t count = control.trackCount();
    for (std::int32_t track = 1; track <= count; ++track) {
        const auto index = static_cast<std::int16_t>(track);
        results.rows.push_back({trackRowText(track, control.trackTitle(index)),
                                control.trackLengthText(control.trackLength(index))});
    }
    return results;
}

}  // namespace vorlix
