#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/disc_number_commands.h"
#include "app/lending_commands.h"
#include "app/search_window.h"
#include "online/cddb_lookup.h"
#include "support/document_fakes.h"

namespace vorlix::test {

// Search windows that remember how they were opened and what they were told. A test closes one
// as its user would with close().
struct FakeSearchWindows final : SearchWindowFactory {
    struct Opened {
        SearchRequest request;
        // The query and names the window reads in place, valid while it is not ended.
        SearchQuery* query = nullptr;
        std::vector<std::string>* categories = nullptr;
        std::function<void()> tellClosed;
        std::vector<SearchWindowWord> words;
        bool closed = false;
        bool ended = false;

        void close() {
            closed = true;
            tellClosed();
        }
    };

    struct Window final : SearchWindow {
        explicit Window(std::shared_ptr<Opened> opened) : opened(std::move(opened)) {}
        ~Window() override { opened->ended = true; }
        void apply(SearchWindowWord word) override {
            opened->words.push_back(word);
            if (word == SearchWindowWord::Close) {
                opened->close();
            }
        }
        bool isClosed() const override { return opened->closed; }
        std::shared_ptr<Opened> opened;
    };

    std::unique_ptr<SearchWindow> create(SearchWindowSetup setup) override {
        auto window = std::make_shared<Opened>();
        window->request = {setup.query, setup.categories, setup.maySeeAll, setup.startAtOnce};
        window->query = &setup.query;
        window->categories = &setup.categories;
        window->tellClosed = std::move(setup.closed);
        opened.push_back(window);
        return std::make_unique<Window>(window);
    }

    std::vector<SearchRequest> requests() const {
        std::vector<SearchRequest> all;
        for (const auto& window : opened) {
            all.push_back(window->request);
        }
        return all;
    }

    std::vector<std::shared_ptr<Opened>> opened;
};

// The freedb lookup dialog: answers with the prepared result after applying the prepared
// changes to the catalogue, and logs how it was opened.
struct FakeCddbLookup final : CddbLookup {
    explicit FakeCddbLookup(Log& log) : log(log) {}
    std::optional<CddbLookupResult> run(CQXCatalog& catalogue, const std::string& number,
                                        const std::string& name) override {
        log.push_back("cddb " + number + " " + name);
        if (changes) {
            changes(catalogue);
        }
        return result;
    }

    Log& log;
    std::optional<CddbLookupResult> result;
    std::function<void(CQXCatalog&)> changes;
};

// Lending as the commands panel starts it: logs each call with what it was handed.
struct FakeLending final : LendingCommands {
    explicit FakeLending(Log& log) : log(log) {}
    bool lend(const std::string& borrower) override {
        log.push_back("lend " + borrower);
        return succeeds;
    }
    bool getBack() override {
        log.push_back("get back");
        return succeeds;
    }
    void showAvailable() override { log.push_back("available list"); }
    void showNonAvailable(const std::string& borrower) override {
        log.push_back("non-available list " + borrower);
    }

    Log& log;
    bool succeeds = true;
};

// The disc-number operations as the commands panel starts them: logs each call.
struct FakeDiscNumbers final : DiscNumberCommands {
    explicit FakeDiscNumbers(Log& log) : log(log) {}
    void changeNumber(const std::string& number, const std::string& name) override {
        log.push_back("change number " + number + " " + name);
    }
    void showDisc(int number) override { log.push_back("show disc " + std::to_string(number)); }
    void findGaps() override { log.push_back("find gaps"); }

    Log& log;
};

}  // namespace vorlix::test
