#include "online/cddb_reply.h"

#include <algorithm>
#include <iterator>

namespace vorlix {

namespace {

constexpr std::size_t kCodeLength = 3;

std::vector<std::string> linesOf(std::string_view body) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < body.size()) {
        const std::size_t end = std::min(body.find('\n', start), body.size());
        std::string_view line = body.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

bool startsWithCode(std::string_view line) {
    return line.size() >= kCodeLength &&
           std::all_of(line.begin(), line.begin() + kCodeLength,
                       [](char c) { return c >= '0' && c <= '9'; }) &&
           (line.size() == kCodeLength || line[kCodeLength] == ' ');
}

}  // namespace

std::string CddbReply::statusText() const {
    return statusLine.size() > kCodeLength + 1 ? statusLine.substr(kCodeLength + 1) : std::string();
}

std::optional<CddbReply> parseCddbReply(std::string_view body) {
    std::vector<std::string> lines = linesOf(body);
    if (lines.empty() || !startsWithCode(lines.front())) {
        return std::nullopt;
    }
    CddbReply reply;
    reply.statusLine = lines.front();
    reply.code = std::stoi(reply.statusLine.substr(0, kCodeLength));
    const auto terminator = std::find(lines.begin() + 1, lines.end(), ".");
    reply.lines.assign(std::make_move_iterator(lines.begin() + 1),
                       std::make_move_iterator(terminator));
    return reply;
}

}  // namespace vorlix
