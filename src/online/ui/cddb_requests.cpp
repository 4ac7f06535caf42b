#include "online/ui/cddb_requests.h"

#include <functional>
#include <utility>

#include "online/freedb_control.h"
#include "platform/http/curl_http_client.h"

namespace vorlix {

namespace {

// A control of its own over an HTTP client that the flag can stop, collecting its errors.
template <typename Outcome>
void withControl(const CddbClientIdentity& identity, std::chrono::milliseconds timeout,
                 const std::string& server, const std::atomic<bool>& cancelled, Outcome& outcome,
                 const std::function<void(C_uFREEDB&)>& use) {
    // The dialog gives up after the time-out by setting the flag, with a message of its own;
    // the client's limits only end a request that nobody waits for any more.
    const std::chrono::milliseconds backstop = timeout + std::chrono::seconds(5);
    CurlHttpClient http(backstop, backstop);
    http.setCancelFlag(&cancelled);
    C_uFREEDB control(
        http, [](const std::string&) { return std::nullopt; }, identity);
    control.setErrorHandler(
        [&outcome](std::int32_t, const std::string& text) { outcome.errors.push_back(text); });
    control.setServer(server);
    use(control);
}

}  // namespace

CddbRequests::CddbRequests(CddbClientIdentity identity, std::chrono::milliseconds timeout)
    : m_identity(std::move(identity)), m_timeout(timeout) {}

CddbQueryOutcome CddbRequests::query(const std::string& server, const std::string& mediaTag,
                                     std::size_t match, const std::atomic<bool>& cancelled) const {
    CddbQueryOutcome outcome;
    withControl(m_identity, m_timeout, server, cancelled, outcome, [&](C_uFREEDB& control) {
        if (control.lookUp(mediaTag) == 0 && match > 0) {
            control.chooseMatch(match);
        }
        outcome.matches = control.matches();
        outcome.results = readCddbResults(control);
    });
    return outcome;
}

CddbQueryOutcome CddbRequests::submit(const std::string& server, const std::string& mediaTag,
                                      const std::atomic<bool>& cancelled) const {
    CddbQueryOutcome outcome;
    withControl(m_identity, m_timeout, server, cancelled, outcome, [&](C_uFREEDB& control) {
        control.lookUp(mediaTag);
        control.setSubmitEnabled(true);
        control.submit(mediaTag);
        outcome.matches = control.matches();
        outcome.results = readCddbResults(control);
    });
    return outcome;
}

CddbServerListOutcome CddbRequests::servers(const std::string& server,
                                            const std::atomic<bool>& cancelled) const {
    CddbServerListOutcome outcome;
    withControl(m_identity, m_timeout, server, cancelled, outcome,
                [&](C_uFREEDB& control) { outcome.servers = readServerEntries(control); });
    return outcome;
}

}  // namespace vorlix
