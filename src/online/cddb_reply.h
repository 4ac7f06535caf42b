#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlix {

// A CDDB server's answer: the status line "code text" and the lines that follow it, without
// line ends, up to the terminating "." line (which a list or an entry ends with).
struct CddbReply {
    int code = 0;
    std::string statusLine;
    std::vector<std::string> lines;

    // The status line's text after the code.
    std::string statusText() const;
};

// nullopt when the body does not start with a three-digit code.
std::optional<CddbReply> parseCddbReply(std::string_view body);

}  // namespace vorlix
