#pragma once

#include <string>
#include <vector>

namespace vorlix {

class C_uFREEDB;

// The flag shown beside a server: a country for the hosts named after one, else freedb's own.
enum class ServerFlag {
    Freedb,
    Austria,
    Australia,
    Bulgaria,
    Canada,
    Germany,
    Spain,
    Luxembourg,
    UnitedKingdom,
    UnitedStates
};

// One line of the server list as the lookup dialog offers it.
struct CddbServerEntry {
    std::string host;
    std::string description;
    ServerFlag flag = ServerFlag::Freedb;

    bool operator==(const CddbServerEntry&) const = default;
};

// host: the text before the first blank. description: the line without everything up to and
// including "cgi" and the character after it, or without its first three characters when it
// holds no "cgi".
CddbServerEntry serverEntryOf(const std::string& line);

// Chosen by the host's text before its first ".": "us.freedb.org" shows the United States.
ServerFlag serverFlagOf(const std::string& host);

// The control's server list, asking for the count again after each line since the list may
// still grow while it is read.
std::vector<CddbServerEntry> readServerEntries(C_uFREEDB& control);

}  // namespace vorlix
