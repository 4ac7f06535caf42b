#pragma once

#include <string>
#include <vector>

namespace vorlix {

// The lines of a "sites" reply that name servers reachable over HTTP. Each line reads
// "site protocol port address latitude longitude description", as in
// "gnudb.gnudb.org http 80 /~cddb/cddb.cgi N000.00 W000.00 Random gnudb server".
std::vector<std::string> httpServerLines(const std::vector<std::string>& siteLines);

}  // namespace vorlix
