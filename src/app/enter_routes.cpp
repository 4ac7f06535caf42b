#include "app/enter_routes.h"

#include <algorithm>
#include <array>

#include "app/catalogue_document.h"
#include "app/pane_operations.h"

namespace vorlix {

namespace {

template <typename Role, auto find, auto operation>
void onPane(CQX2Doc& document) {
    if (Role* pane = find(document)) {
        (pane->*operation)();
    }
}

// What each Enter target runs; a target not listed runs nothing.
struct EnterRoute {
    EnterTarget target;
    void (*run)(CQX2Doc&);
};

constexpr std::array kEnterRoutes = {
    EnterRoute{EnterTarget::ChangeNumber,
               onPane<CommandsPane, commandsPanel, &CommandsPane::changeNumber>},
    EnterRoute{EnterTarget::OpenFile,
               onPane<FileListPane, fileList, &FileListPane::openSelectedFile>},
    EnterRoute{EnterTarget::ShowDisc, onPane<CommandsPane, commandsPanel, &CommandsPane::showDisc>},
    EnterRoute{EnterTarget::StartSearch,
               onPane<CommandsPane, commandsPanel, &CommandsPane::startSearch>},
    EnterRoute{EnterTarget::Lend, onPane<CommandsPane, commandsPanel, &CommandsPane::lend>},
    EnterRoute{EnterTarget::StoreDetails,
               onPane<CommandsPane, commandsPanel, &CommandsPane::storeDetails>},
    EnterRoute{EnterTarget::CreateCategory,
               onPane<CategoriesPane, categoriesPanel, &CategoriesPane::createCategory>},
    EnterRoute{EnterTarget::SaveNotes,
               onPane<CategoriesPane, categoriesPanel, &CategoriesPane::saveNotes>},
};

}  // namespace

void runEnterTarget(CQX2Doc& document) {
    const auto route = std::ranges::find(kEnterRoutes, document.enterTarget(), &EnterRoute::target);
    if (route != kEnterRoutes.end()) {
        route->run(document);
    }
    document.setEnterTarget(EnterTarget::None);
}

}  // namespace vorlix
