#include "gui/pane_widths.h"

namespace vorlix {

std::array<int, 4> initialPaneWidths(int screenWidth) {
    switch (screenWidth) {
        case 800:
            return {245, 160, 170, 165};
        case 1024:
            return {260, 190, 330, 170};
        case 1152:
            return {255, 250, 410, 165};
        case 1280:
            return {255, 250, 530, 65};
        default:
            return {255, 200, 320, 165};
    }
}

}  // namespace vorlix
