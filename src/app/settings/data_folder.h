#pragma once

#include <string>

namespace vorlix {

// The folder of the installation's data files (filter lists, demo catalogue, help pages,
// restore files) that the first start copies into the user's program folder: the folder named
// by VORLIX_DATA_DIR when set, else the installed one, else the data folder of the source tree
// the program was built from, so that a program run from its build folder finds its data.
std::string installationDataFolder();

}  // namespace vorlix
