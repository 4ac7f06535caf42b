#include "search/result_batches.h"

#include "core/file_entry_texts.h"
#include "core/stored_size.h"
#include "search/disc_snapshot.h"

namespace vorlix {

void ResultBatches::discFound(const DiscSnapshot& disc) {
    m_discs.push_back({disc.number(), disc.name(), disc.location(), disc.shared()});
    if (pending() >= kFullBatch) {
        handOn();
    }
}

void ResultBatches::fileFound(const DiscSnapshot& disc, std::size_t file) {
    const std::string_view name = disc.fileName(file);
    m_files.push_back({fileTypeText(name), megabytesText(disc.fileSize(file)) + " MB",
                       disc.number(), fileNameStem(name)});
    if (pending() >= kFullBatch) {
        handOn();
    }
}

void ResultBatches::discWalked() {
    if (pending() > 0 && (!m_handedAny || Clock::now() - m_lastHanded >= kLongestWait)) {
        handOn();
    }
}

bool ResultBatches::finish() {
    if (pending() > 0) {
        handOn();
    }
    return !m_stopped;
}

void ResultBatches::handOn() {
    if (!m_stopped && !m_hand(m_discs, m_files)) {
        m_stopped = true;
    }
    m_discs.clear();
    m_files.clear();
    m_handedAny = true;
    m_lastHanded = Clock::now();
}

}  // namespace vorlix
