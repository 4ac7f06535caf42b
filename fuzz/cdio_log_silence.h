#pragma once

#include <cdio/logging.h>

// libcdio's default log handler ends the process at an error line, which would end a fuzzer at
// the first input it cannot parse rather than let it go on; the fuzzers drop the lines instead.
inline void silenceCdioLog() {
    cdio_log_set_handler([](cdio_log_level_t, const char*) {});
}
