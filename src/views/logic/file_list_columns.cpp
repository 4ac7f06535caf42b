#include "views/logic/file_list_columns.h"

namespace vorlix {

std::array<int, kFileListColumnCount> fileListColumnWidths(int screenWidth) {
    switch (screenWidth) {
        case 800:
            return {80, 40, 40};
        case 1024:
            return {210, 70, 40};
        case 1152:
            return {285, 70, 40};
        case 1280:
            return {400, 70, 40};
        default:
            return {200, 70, 40};
    }
}

}  // namespace vorlix
