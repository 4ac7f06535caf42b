#pragma once

#include <string>

namespace vorlix {

class ChatComponent;

// The status line the commands panel keeps for the tray icon: who is logged in and the chat
// component's connection, transfers and users online, built afresh on each tick of its timer.
std::string statusText(const std::string& logName, const ChatComponent& chat);

// The status line from the panel's first showing until its timer first fires.
std::string firstStatusText(const std::string& logName, const ChatComponent& chat);

}  // namespace vorlix
