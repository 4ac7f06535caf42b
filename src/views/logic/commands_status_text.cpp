#include "views/logic/commands_status_text.h"

#include "app/document_services.h"

namespace vorlix {

namespace {

bool connected(const ChatComponent& chat) {
    return chat.connectionState() != "OFFLINE";
}

}  // namespace

std::string statusText(const std::string& logName, const ChatComponent& chat) {
    return "Logged: " + logName + (connected(chat) ? " Con: Yes Trs: " : " Con: No Trs: ") +
           std::to_string(chat.activeTransfers()) + " OnUsr: " + std::to_string(chat.usersOnline());
}

std::string firstStatusText(const std::string& logName, const ChatComponent& chat) {
    return "Logged in as :" + logName + (connected(chat) ? " Con: Yes" : " Con: No");
}

}  // namespace vorlix
