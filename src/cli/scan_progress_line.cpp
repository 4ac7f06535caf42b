#include "cli/scan_progress_line.h"

#include <unistd.h>

#include "scan/scan_job.h"

namespace vorlix {

namespace {

// Moves to the start of the line and clears it.
constexpr const char* kClearLine = "\r\x1b[K";

}  // namespace

ScanProgressLine::ScanProgressLine(std::FILE* stream, const ScanJob& job)
    : m_stream(stream),
      m_job(job),
      m_shown(::isatty(fileno(stream)) == 1),
      m_next(std::chrono::steady_clock::now() + kInterval) {}

void ScanProgressLine::fileMet() {
    ++m_met;
    if (!m_shown) {
        return;
    }
    const auto now = std::chrono::steady_clock::now();
    if (now < m_next) {
        return;
    }
    m_next = now + kInterval;
    const ScanDisplay display = m_job.display();
    std::fprintf(m_stream, "%s%zu files met, %s recorded (%s), in %s", kClearLine, m_met,
                 display.countText.empty() ? "0" : display.countText.c_str(),
                 display.sizeText.empty() ? "0.000 MB" : display.sizeText.c_str(),
                 display.folderText.c_str());
    std::fflush(m_stream);
    m_written = true;
}

void ScanProgressLine::finish() {
    if (m_written) {
        std::fputs(kClearLine, m_stream);
        std::fflush(m_stream);
    }
}

}  // namespace vorlix
