#include "online/cddb_client_identity.h"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "app/setting_names.h"
#include "online/freedb_control.h"
#include "online/scripted_http_server.h"
#include "platform/http/curl_http_client.h"
#include "support/memory_settings.h"

namespace vorlix {
namespace {

using namespace std::chrono_literals;

// The greeting a freedb server receives from a control whose identity the settings gave.
TEST(CddbClientIdentityTest, TheGreetingCarriesTheEmailOfTheSettings) {
    struct Row {
        std::optional<std::string> stored;
        std::string hello;
    };
    const std::vector<Row> rows = {
        {"ann@example.net", "ann example.net Orvanta 3.0"},
        {std::nullopt, "anonymous localhost Orvanta 3.0"},
        {std::string(250, 'a') + "@b.org", "anonymous localhost Orvanta 3.0"},  // beyond 255
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.hello);
        test::MemorySettings settings;
        if (row.stored) {
            settings.writeText(setting::kSettingsKey, setting::kUserEmail, *row.stored);
        }
        test::ScriptedHttpServer server;
        server.script("sites", {200, "210 OK, site information follows\r\n.\r\n"});
        CurlHttpClient http(5s, 10s);
        C_uFREEDB control(
            http, [](const std::string&) { return std::nullopt; },
            cddbIdentityFromSettings(settings));
        control.setServer(server.address());
        static_cast<void>(control.serverCount());
        ASSERT_EQ(server.requests().size(), 1u);
        EXPECT_EQ(server.requests()[0].query("hello"), row.hello);
    }
}

}  // namespace
}  // namespace vorlix
