#pragma once

#include <string_view>

namespace vorlix {

// The freedesktop icon theme that the installation brings along (Debian's adwaita-icon-theme).
inline constexpr std::string_view kFallbackIconTheme = "Adwaita";

// The file list shows each kind of file with the icon theme's icon for it. Desktops without a
// platform theme (a bare X session, the offscreen platform) name no icon theme, and some name
// one without icons for kinds of files; every file would then show the same blank page. In
// either case the fallback theme takes over, looked up in the XDG data folders. Call before
// the first icon is made. True when the fallback theme is now in use.
bool useFallbackIconThemeWhenNeeded();

}  // namespace vorlix
