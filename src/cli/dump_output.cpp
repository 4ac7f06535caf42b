#include "cli/dump_output.h"

#include <cstring>

namespace vorlix {

namespace {

constexpr std::size_t kPiece = 1 << 18;

}  // namespace

void DumpOutput::append(std::string_view text) {
    if (text.empty()) {
        return;
    }
    if (m_out != nullptr && m_lines->size() + text.size() > kPiece) {
        flush();
        if (text.size() >= kPiece) {
            std::fwrite(text.data(), 1, text.size(), m_out);
            return;
        }
    }
    char* out = m_lines->room(text.size());
    std::memcpy(out, text.data(), text.size());
    m_lines->commit(out + text.size());
}

void DumpOutput::flush() {
    if (m_out != nullptr && m_lines->size() > 0) {
        std::fwrite(m_lines->view().data(), 1, m_lines->size(), m_out);
        m_lines->clear();
    }
}

}  // namespace vorlix
