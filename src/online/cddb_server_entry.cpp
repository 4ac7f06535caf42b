#include "online/cddb_server_entry.h"

#include <array>
#include <utility>

#include "online/freedb_control.h"

namespace vorlix {

CddbServerEntry serverEntryOf(const std::string& line) {
    CddbServerEntry entry;
    entry.host = line.substr(0, line.find(' '));
    const std::size_t cgi = line.find("cgi");
    const std::size_t cut = cgi == std::string::npos ? 3 : cgi + 4;
    entry.description = cut < line.size() ? line.substr(cut) : std::string();
    entry.flag = serverFlagOf(entry.host);
    return entry;
}

ServerFlag serverFlagOf(const std::string& host) {
    static constexpr std::array<std::pair<std::string_view, ServerFlag>, 9> kCountries{{
        {"at", ServerFlag::Austria},
        {"au", ServerFlag::Australia},
        {"bg", ServerFlag::Bulgaria},
        {"ca", ServerFlag::Canada},
        {"de", ServerFlag::Germany},
        {"es", ServerFlag::Spain},
        {"lu", ServerFlag::Luxembourg},
        {"uk", ServerFlag::UnitedKingdom},
        {"us", ServerFlag::UnitedStates},
    }};
    const std::string_view first = std::string_view(host).substr(0, host.find('.'));
    for (const auto& [code, flag] : kCountries) {
        if (first == code) {
            return flag;
        }
    }
    return ServerFlag::Freedb;
}

std::vector<CddbServerEntry> readServerEntries(C_uFREEDB& control) {
    std::vector<CddbServerEntry> entries;
    for (std::int16_t i = 1; i <= control.serverCount(); ++i) {
        entries.push_back(serverEntryOf(control.serverLine(i)));
    }
    return entries;
}

}  // namespace vorlix
