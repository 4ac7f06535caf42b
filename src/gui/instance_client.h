#pragma once

#include <QString>
#include <string>

namespace vorlix {

// How long a second start waits for the running program to take its command line.
inline constexpr int kHandOverPatience = 5000;

// The second start's end of the local socket: asks the running program to bring its window to
// the front and open the catalogue (an absolute path; empty for none). True when the program
// took it; false when it cannot be reached (no socket, a socket left by a crash, or no answer
// in time). Blocks while it waits, which a second start, with no window yet, may do.
bool handOverToRunningInstance(const QString& socketPath, const std::string& catalogue,
                               int patience = kHandOverPatience);

}  // namespace vorlix
