#include "cli/search_output.h"

#include <cstdio>

#include "cli/json_text.h"
#include "cli/terminal_text.h"
#include "core/file_entry_texts.h"
#include "core/stored_size.h"
#include "search/disc_snapshot.h"

namespace vorlix {

namespace {

constexpr std::size_t kFlushAt = 1 << 16;

}  // namespace

void SearchOutput::beginItem() {
    if (m_json) {
        m_out += m_anyItem ? ",\n  " : "[\n  ";
    }
    m_anyItem = true;
}

void SearchOutput::discFound(const DiscSnapshot& disc) {
    beginItem();
    if (m_json) {
        m_out += "{\"discNumber\": ";
        appendJsonString(m_out, disc.number());
        m_out += ", \"discName\": ";
        appendJsonString(m_out, disc.name());
        m_out += ", \"location\": ";
        appendJsonString(m_out, disc.location());
        m_out += disc.shared() ? ", \"shared\": true}" : ", \"shared\": false}";
    } else {
        appendTerminalText(m_out, disc.number());
        m_out += '\t';
        appendTerminalText(m_out, disc.name());
        m_out += '\t';
        appendTerminalText(m_out, disc.location());
        m_out += '\n';
    }
    flushIfFull();
}

void SearchOutput::fileFound(const DiscSnapshot& disc, std::size_t file) {
    beginItem();
    const std::string_view name = disc.fileName(file);
    if (m_json) {
        m_out += "{\"discNumber\": ";
        appendJsonString(m_out, disc.number());
        m_out += ", \"discName\": ";
        appendJsonString(m_out, disc.name());
        m_out += ", \"folder\": ";
        appendJsonString(m_out, disc.folder(file));
        m_out += ", \"name\": ";
        appendJsonString(m_out, fileNameStem(name));
        m_out += ", \"type\": ";
        appendJsonString(m_out, fileTypeText(name));
        m_out += ", \"size\": " + std::to_string(disc.fileSize(file)) + "}";
    } else {
        appendTerminalText(m_out, disc.number());
        m_out += '\t';
        appendTerminalText(m_out, disc.name());
        m_out += '\t';
        appendTerminalText(m_out, disc.folder(file));
        appendTerminalText(m_out, name);
        m_out += '\t' + megabytesText(disc.fileSize(file)) + " MB\n";
    }
    flushIfFull();
}

void SearchOutput::discWalked() {
    flushIfFull();
}

void SearchOutput::finish() {
    if (m_json) {
        m_out += m_anyItem ? "\n]\n" : "[]\n";
    }
    std::fwrite(m_out.data(), 1, m_out.size(), stdout);
    m_out.clear();
}

void SearchOutput::flushIfFull() {
    if (m_out.size() >= kFlushAt) {
        std::fwrite(m_out.data(), 1, m_out.size(), stdout);
        m_out.clear();
    }
}

}  // namespace vorlix
