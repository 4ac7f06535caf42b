#pragma once

#include <string>

namespace vorlix {

// Creates every missing folder along path, each readable by its owner only, as the XDG base
// directory rules ask for folders made on the user's behalf; folders that exist are left as
// they are. Returns an empty text on success, else the reason.
std::string createPrivateFolders(const std::string& path);

}  // namespace vorlix
