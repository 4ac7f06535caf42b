#pragma once

#include <string>

#include "core/result.h"

namespace vorlix {

// Creates every missing folder along path, each readable by its owner only, as the XDG base
// directory rules ask for folders made on the user's behalf; folders that exist are left as
// they are. A failure names the folder that could not be made and why.
Result createPrivateFolders(const std::string& path);

}  // namespace vorlix
