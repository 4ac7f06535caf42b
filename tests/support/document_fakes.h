#pragma once

#include <string>
#include <vector>

#include "app/document_services.h"
#include "app/long_work.h"

namespace vorlix::test {

using Log = std::vector<std::string>;

// The chat component as the document drives it: every call is written to the log in order.
// Its connection, transfers and users are what the test sets.
struct FakeChat final : ChatComponent {
    explicit FakeChat(Log& log) : log(log) {}
    Log& log;
    std::string state = "OFFLINE";
    int transfers = 0;
    int users = 0;
    void setWindowShown(bool shown) override {
        log.push_back(shown ? "chat shown" : "chat hidden");
    }
    void connect() override { log.push_back("chat connect"); }
    void shutDown() override { log.push_back("chat shut down"); }
    void setTransferManagerShown(bool shown) override {
        log.push_back(shown ? "transfers shown" : "transfers hidden");
    }
    void setChattersShown(bool shown) override {
        log.push_back(shown ? "chatters shown" : "chatters hidden");
    }
    void setVisibleTransfer(bool automatically) override {
        log.push_back(automatically ? "transfers come up" : "transfers stay hidden");
    }
    int activeTransfers() const override { return transfers; }
    int usersOnline() const override { return users; }
    std::string connectionState() const override { return state; }
    std::string accountState() const override { return account; }
    std::string account = "0";
};

// The chat account dialog: each run is written to the log.
struct FakeChatAccount final : ChatAccountService {
    explicit FakeChatAccount(Log& log) : log(log) {}
    Log& log;
    void createAccount() override { log.push_back("chat account dialog"); }
};

// Runs long work in place; told to, it asks the work to stop before it starts, as a user who
// cancels at once. `meanwhile` stands for what the user does while the work runs.
struct InPlaceLongWork final : LongWork {
    std::vector<std::string> captions;
    bool cancel = false;
    std::function<void()> meanwhile;
    std::uint64_t lastDone = 0;
    void run(const std::string& caption, WorkProgress& progress,
             const std::function<void()>& work) override {
        captions.push_back(caption);
        progress.cancelRequested = cancel;
        if (meanwhile) {
            meanwhile();
        }
        work();
        lastDone = progress.done;
    }
};

struct FakeShell final : ShellOpener {
    std::vector<std::string> opened;
    bool works = true;
    bool open(const std::string& target) override {
        opened.push_back(target);
        return works;
    }
};

}  // namespace vorlix::test
