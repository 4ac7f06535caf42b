#pragma once

#include <QIcon>
#include <QPixmap>
#include <cstdint>
#include <string>
#include <vector>

namespace vorlix {

// The categories panel's small pictures, drawn so that they never depend on installed files.
QIcon categoryIcon();
QIcon driveIcon();
QIcon createCategoryIcon();

// The picture shown for a disc without a cover: the file, resampled to the thumbnail box; an
// empty picture when the file cannot be read.
QPixmap defaultThumbnail(const std::string& path);
// The disc's cover, resampled as its kind asks; an empty picture when the bytes do not decode.
QPixmap coverThumbnail(const std::vector<std::uint8_t>& bytes, bool portrait);

}  // namespace vorlix
