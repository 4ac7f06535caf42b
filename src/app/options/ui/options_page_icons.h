#pragma once

#include <QIcon>

namespace vorlix {

// The pictures of the options dialog's page list, in the list's order.
enum class OptionsIcon { General, Interface, Net, Startup, Restore, Wordlists };

// The page's icon, drawn for 32 by 32 pixels and for twice that on dense screens.
QIcon optionsPageIcon(OptionsIcon icon);

}  // namespace vorlix
