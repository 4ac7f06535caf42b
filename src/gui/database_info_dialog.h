#pragma once

#include <QDialog>

#include "core/database_info.h"

namespace vorlix {

// The modal "Database Information" dialog: the figures of the open catalogue, read-only, and
// OK.
class CDialogDatabaseInfo final : public QDialog {
    Q_OBJECT

public:
    explicit CDialogDatabaseInfo(const DatabaseInfo& info, QWidget* parent = nullptr);
};

}  // namespace vorlix
