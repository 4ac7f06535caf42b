#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "accounts/identity.h"
#include "app/catalogue_document.h"
#include "app/document_services.h"
#include "core/code_page.h"
#include "core/md5.h"
#include "support/document_fakes.h"
#include "support/fixed_clock.h"
#include "support/memory_settings.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"

namespace vorlix::test {

// A document with quiet stand-ins for every service, logged in as `anna` and reset once, for
// tests of the panes and workflows that work on an open catalogue.
struct DocumentRig {
    struct Windows final : DocumentWindows {
        bool scanning = false;
        int viewClears = 0;
        bool scanInProgress() const override { return scanning; }
        bool searchWindowsOpen() const override { return false; }
        void closeSearchWindows() override {}
        void setSearchWindowsShown(bool) override {}
        void setCopyTaskWindowsShown(bool) override {}
        void clearCatalogueViews() override { ++viewClears; }
    };
    struct Login final : LoginService {
        std::optional<Identity> identity;
        std::optional<Identity> login(const std::string&) override { return identity; }
    };
    struct ChangeOwner final : ChangeOwnerService {
        bool changeOwner(CQXCatalog&, const std::string&) override { return false; }
    };
    struct Publisher final : SharedCataloguePublisher {
        void publish(const CQXCatalog&) override {}
        SharedFileForm prepare(const CQXCatalog&) const override { return {}; }
        void publishPrepared(SharedFileForm) override {}
        // The number of discs of each catalogue offered from the disc tree.
        std::vector<std::size_t> treeDiscCounts;
        void publishTreeCatalogue(const CQXCatalog& catalogue) override {
            treeDiscCounts.push_back(catalogue.discs.size());
        }
    };
    struct Application final : ApplicationControl {
        void quit() override {}
        void closeMainWindow() override {}
    };
    struct Playlists final : PlaylistWindowFactory {
        std::vector<std::vector<CQXFileData*>> asked;  // the entries of every window asked for
        std::unique_ptr<PlaylistWindow> create(const std::vector<CQXFileData*>& entries) override {
            asked.push_back(entries);
            return nullptr;
        }
        void runModal(const std::vector<CQXFileData*>& entries) override { run.push_back(entries); }
        std::vector<std::vector<CQXFileData*>> run;  // the entries of every window run modally
    };

    static Identity anna() { return {"anna", md5Hex("secret")}; }

    explicit DocumentRig(Identity user = anna())
        : document({prompt, settings, codePage, windows, login, changeOwner, publisher, application,
                    chat, chatAccount, shell, playlists, longWork, clock},
                   folder.path() + "/") {
        login.identity = std::move(user);
        document.reset();
    }

    // Puts the catalogue in place of the open one, as if it had just been read.
    void load(CQXCatalog catalogue) {
        document.catalogue() = std::move(catalogue);
        document.setModified(false);
    }

    Log log;
    TempDir folder;
    ScriptedPrompt prompt;
    MemorySettings settings;
    Windows1252 codePage;
    Windows windows;
    Login login;
    ChangeOwner changeOwner;
    Publisher publisher;
    Application application;
    FakeChat chat{log};
    FakeChatAccount chatAccount{log};
    FakeShell shell;
    Playlists playlists;
    InPlaceLongWork longWork;
    FixedClock clock;
    CQX2Doc document;
};

}  // namespace vorlix::test
