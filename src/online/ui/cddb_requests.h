#pragma once

#include <atomic>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "online/cddb_client_identity.h"
#include "online/cddb_match.h"
#include "online/cddb_results.h"
#include "online/cddb_server_entry.h"

namespace vorlix {

// What one request to a freedb server brought back, with the control's error texts in the
// order it raised them.
struct CddbQueryOutcome {
    CddbResults results;
    std::vector<CddbMatch> matches;
    std::vector<std::string> errors;
};

struct CddbServerListOutcome {
    std::vector<CddbServerEntry> servers;
    std::vector<std::string> errors;
};

// The lookup dialog's requests, each on a freedb control of its own so that a request left
// behind by a time-out shares nothing with the next one. Runs on a worker thread; every
// transfer ends soon after cancelled is set.
class CddbRequests {
public:
    CddbRequests(CddbClientIdentity identity, std::chrono::milliseconds timeout);

    // Looks the disc up and reads the match of that index (0, the first, when absent).
    CddbQueryOutcome query(const std::string& server, const std::string& mediaTag,
                           std::size_t match, const std::atomic<bool>& cancelled) const;
    // Looks the disc up and sends its entry back, then reads the result again.
    CddbQueryOutcome submit(const std::string& server, const std::string& mediaTag,
                            const std::atomic<bool>& cancelled) const;
    CddbServerListOutcome servers(const std::string& server,
                                  const std::atomic<bool>& cancelled) const;

private:
    CddbClientIdentity m_identity;
    std::chrono::milliseconds m_timeout;
};

}  // namespace vorlix
