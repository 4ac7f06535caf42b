#pragma once

namespace vorlix {

class ChatComponent;
class CddbLookup;
class DiscNumberCommands;
class LendingCommands;
class SearchWindowFactory;

// What the commands panel needs besides the panes' services: the windows and operations it
// starts that live elsewhere, and the chat component whose state its status line shows.
struct CommandsServices {
    SearchWindowFactory& searchWindows;
    CddbLookup& cddb;
    LendingCommands& lending;
    DiscNumberCommands& discNumbers;
    const ChatComponent& chat;
};

}  // namespace vorlix
