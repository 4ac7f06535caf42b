#pragma once

#include <string>
#include <string_view>

#include "online/cddb_client_identity.h"

namespace vorlix {

inline constexpr std::string_view kDefaultFreedbHost = "gnudb.gnudb.org";

// The host (with ":port" if any) of a server text such as "gnudb.gnudb.org (Central Server)":
// the text before the first blank; the default host when that is empty.
std::string freedbHostOf(std::string_view serverText);

// The URL that sends one CDDB command ("cddb query ...", "sites"), its words blank-separated,
// with the client's greeting and protocol level 6 (UTF-8 replies).
std::string cddbCommandUrl(const std::string& host, std::string_view command,
                           const CddbClientIdentity& identity);
std::string cddbSubmitUrl(const std::string& host);

}  // namespace vorlix
