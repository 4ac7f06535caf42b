#pragma once

#include <QIcon>

namespace vorlix {

// The pictures of the disc tree, all in one size: a disc, a shared disc, and a folder whose
// selected look is an open folder.
struct DiscTreeIcons {
    QIcon disc;
    QIcon sharedDisc;
    QIcon folder;
};

// The icon theme's pictures in that many pixels square, or drawn ones where the theme has none.
DiscTreeIcons makeDiscTreeIcons(int size);

}  // namespace vorlix
