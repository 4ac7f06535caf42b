#pragma once

#include <QIcon>

#include "online/cddb_server_entry.h"

namespace vorlix {

// The 18 by 12 pixel icon shown beside a server in the lookup dialog, drawn for normal and
// double-density screens so that it stays crisp on both.
QIcon serverFlagIcon(ServerFlag flag);

}  // namespace vorlix
