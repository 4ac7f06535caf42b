#pragma once

#include <QIcon>
#include <QPixmap>
#include <QRect>

namespace vorlix {

// The program's pictures, drawn rather than loaded so that the window and the tray always
// have them, whatever image plugins the desktop offers.

// A disc: the window and tray icon.
QIcon productIcon();

// The product picture of the About box, and the area of it that carries the web link.
inline constexpr QSize kAboutPictureSize{420, 260};
inline constexpr QRect kAboutLinkArea{110, 214, 200, 24};
QPixmap aboutPicture();

}  // namespace vorlix
