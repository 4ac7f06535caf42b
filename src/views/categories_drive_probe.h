#pragma once

#include <QObject>
#include <memory>
#include <vector>

#include "views/logic/categories_drive_rows.h"

class QThread;

namespace vorlix {

class DiscDrives;

// Asks the drives what they hold on a thread of its own, since a drive spinning up a disc can
// keep the query waiting for seconds, and hands the answers to the window's thread. One query
// runs at a time; destroying the runner waits for a running query to end.
class CategoriesDriveProbe : public QObject {
    Q_OBJECT

public:
    CategoriesDriveProbe(DiscDrives& drives, QObject* parent = nullptr);
    ~CategoriesDriveProbe() override;

    bool running() const;
    // Starts a query unless one is running.
    void start();

Q_SIGNALS:
    void probed(const std::vector<vorlix::DriveProbe>& probes);

private:
    void finish();

    DiscDrives& m_drives;
    std::unique_ptr<QThread> m_thread;
    // Written by the query's thread before it ends; read here once its end has been signalled.
    std::vector<DriveProbe> m_probes;
};

}  // namespace vorlix
