#pragma once

#include <functional>
#include <string>

#include "app/document_services.h"

namespace vorlix {

class CodePage;

// Writes the shared catalogue into the shared folder, replacing the file at once, whenever it
// holds at least one disc; without shared discs a file written earlier stays as it was. A
// shared file that cannot be written must never turn the user's load or save into a failure, so
// the problem goes to reportProblem, once until a write succeeds again.
class SharedCatalogueWriter final : public SharedCataloguePublisher {
public:
    SharedCatalogueWriter(std::string sharedFolder, const CodePage& codePage,
                          std::function<void(const std::string&)> reportProblem);

    // MySharedDatabase.vrd, which the chat component offers.
    std::string sharedDatabasePath() const;

    void publish(const CQXCatalog& catalogue) override;
    void publishTreeCatalogue(const CQXCatalog& catalogue) override;

private:
    void write(const CQXCatalog& catalogue, const std::string& path);

    std::string m_sharedFolder;
    const CodePage& m_codePage;
    std::function<void(const std::string&)> m_reportProblem;
    bool m_failureReported = false;
};

}  // namespace vorlix
