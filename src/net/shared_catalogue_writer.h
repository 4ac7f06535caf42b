#pragma once

#include <atomic>
#include <functional>
#include <string>

#include "app/document_services.h"
#include "platform/background_file_writer.h"

namespace vorlix {

class CodePage;

// Writes the shared catalogue into the shared folder, replacing the file at once, whenever it
// holds at least one disc; without shared discs a file written earlier stays as it was. The
// shared catalogue is put into its file form at once, since its discs are the catalogue's own,
// and goes to disk on a thread of its own, so that it never delays the user's load or save. Nor
// may it fail them: a file that cannot be written goes to reportProblem, on that thread, once
// until a write succeeds again.
class SharedCatalogueWriter final : public SharedCataloguePublisher {
public:
    SharedCatalogueWriter(std::string sharedFolder, const CodePage& codePage,
                          std::function<void(const std::string&)> reportProblem);

    // MySharedDatabase.vrd, which the chat component offers.
    std::string sharedDatabasePath() const;

    void publish(const CQXCatalog& catalogue) override;
    SharedFileForm prepare(const CQXCatalog& catalogue) const override;
    void publishPrepared(SharedFileForm form) override;
    void publishTreeCatalogue(const CQXCatalog& catalogue) override;
    // Returns once every shared file handed over so far is on disk (or has failed).
    void waitUntilWritten();

private:
    void write(SharedFileForm form, const std::string& path);
    void written(const std::string& path, const Result& result);

    std::string m_sharedFolder;
    const CodePage& m_codePage;
    std::function<void(const std::string&)> m_reportProblem;
    // Set on the writer's thread, and on the caller's when the file form cannot be made.
    std::atomic<bool> m_failureReported = false;
    BackgroundFileWriter m_writer;
};

}  // namespace vorlix
