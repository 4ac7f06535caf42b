#pragma once

#include <string_view>

#include "net/chat_server_address.h"

namespace vorlix {

// The byte stream to the chat server. Every call returns at once: the outcome of open() (the
// connection up, refused, timed out) and whatever the server sends arrive later, reported to
// the ChatConnection by whoever runs the transport, so the window never waits on the network.
class ChatTransport {
public:
    virtual ~ChatTransport() = default;

    virtual void open(const ChatServerAddress& server) = 0;
    virtual void send(std::string_view bytes) = 0;
    // Drops the connection or the attempt; reports nothing afterwards.
    virtual void close() = 0;
};

}  // namespace vorlix
