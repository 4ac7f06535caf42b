#include "cli/copy_progress_line.h"

#include <unistd.h>

#include <cstdlib>

#include "net/copy_messages.h"

namespace vorlix {

CopyProgressLine::CopyProgressLine(std::FILE* stream)
    : m_stream(stream), m_shown(::isatty(fileno(stream)) == 1) {}

int CopyProgressLine::addItem(const std::string& destination, const std::string&) {
    m_destination = destination;
    return kId;
}

void CopyProgressLine::report(const std::string& message) {
    const std::string percent = copyMessageField(message, 3);
    const std::string speed = copyMessageField(message, 5);
    if (percent == "100" && speed == kMissingField) {
        m_completed = std::strtoull(copyMessageField(message, 4).c_str(), nullptr, 10);
        return;
    }
    const auto now = std::chrono::steady_clock::now();
    if (!m_shown || speed == kMissingField || now < m_next) {
        return;
    }
    m_next = now + kInterval;
    const double megabytes =
        static_cast<double>(std::strtoull(copyMessageField(message, 4).c_str(), nullptr, 10)) /
        1048576.0;
    std::fprintf(m_stream, "\r\033[K%3s%%  %0.3f MB  @ %0.1f KB/s", percent.c_str(), megabytes,
                 std::atof(speed.c_str()));
    std::fflush(m_stream);
    m_written = true;
}

void CopyProgressLine::finish() {
    if (m_written) {
        std::fputs("\r\033[K", m_stream);
        std::fflush(m_stream);
    }
}

}  // namespace vorlix
