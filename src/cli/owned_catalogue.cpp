#include "cli/owned_catalogue.h"

#include "accounts/ownership.h"
#include "cli/catalogue_file.h"
#include "cli/cli_command.h"
#include "tasks/disc_number_actions.h"

namespace vorlix {

namespace {

// The file's catalogue on top of the named objects every new catalogue starts with.
CQXCatalog withDefaultNamedObjects(CQXCatalog read) {
    CQXCatalog catalogue;
    catalogue.addDefaultNamedObjects();
    for (auto& [key, object] : read.named.entries()) {
        catalogue.named.set(key, object);
    }
    catalogue.discs = std::move(read.discs);
    catalogue.categories = std::move(read.categories);
    return catalogue;
}

}  // namespace

OwnedCatalogue::OwnedCatalogue(const CliArguments& arguments, std::string path,
                               const CodePage& codePage, UserPrompt& prompt)
    : m_session(arguments, codePage),
      m_user(m_session.login()),
      m_path(std::move(path)),
      m_codePage(codePage),
      m_lock(lockCatalogueFile(m_path)),
      m_catalogue(withDefaultNamedObjects(readCatalogueFile(m_path, codePage))) {
    assignOwnerIfMissing(m_catalogue, m_user, prompt);
    if (!m_catalogue.discs.empty() && !isOwner(m_catalogue, m_user)) {
        throw CommandFailure{refusalText(m_user)};
    }
}

CQXDisc& OwnedCatalogue::disc(const std::string& number) {
    CQXDisc* found = m_catalogue.findDisc(number);
    if (found == nullptr) {
        throw CommandFailure{std::string(kNoDiscWithNumberMessage)};
    }
    return *found;
}

void OwnedCatalogue::save() {
    writeCatalogueFile(m_catalogue, m_path, m_codePage);
}

}  // namespace vorlix
