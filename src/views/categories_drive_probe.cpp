#include "views/categories_drive_probe.h"

#include <QThread>

namespace vorlix {

CategoriesDriveProbe::CategoriesDriveProbe(DiscDrives& drives, QObject* parent)
    : QObject(parent), m_drives(drives) {}

CategoriesDriveProbe::~CategoriesDriveProbe() {
    if (m_thread) {
        m_thread->wait();
    }
}

bool CategoriesDriveProbe::running() const {
    return m_thread != nullptr;
}

void CategoriesDriveProbe::start() {
    if (running()) {
        return;
    }
    m_thread.reset(QThread::create([this] { m_probes = probeDrives(m_drives); }));
    connect(m_thread.get(), &QThread::finished, this, &CategoriesDriveProbe::finish,
            Qt::QueuedConnection);
    m_thread->start();
}

void CategoriesDriveProbe::finish() {
    m_thread->wait();
    m_thread.reset();
    Q_EMIT probed(std::exchange(m_probes, {}));
}

}  // namespace vorlix
