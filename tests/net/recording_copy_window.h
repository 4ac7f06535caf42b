#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "net/copy_messages.h"
#include "net/copy_task_window.h"

namespace vorlix::test {

// The copy tasks window as the copies reach it, from any thread.
class RecordingWindow final : public CopyTaskWindow {
public:
    struct Item {
        std::string destination;
        std::string size;
    };

    int addItem(const std::string& destination, const std::string& size) override {
        if (onAdd) {
            onAdd(destination);
        }
        const std::lock_guard lock(m_mutex);
        items.push_back({destination, size});
        return static_cast<int>(items.size());
    }
    void report(const std::string& message) override {
        const std::lock_guard lock(m_mutex);
        messages.push_back(message);
        if (stopAtFirstProgress && copyMessageField(message, 4) != kMissingField) {
            stop = std::stoi(copyMessageField(message, 2));
        }
    }
    int shownId() const override { return shown; }
    int stopId() const override { return stop; }

    std::vector<Item> items;
    std::vector<std::string> messages;
    std::function<void(const std::string&)> onAdd;
    std::atomic<int> shown = 0;
    std::atomic<int> stop = 0;
    bool stopAtFirstProgress = false;

private:
    std::mutex m_mutex;
};

}  // namespace vorlix::test
