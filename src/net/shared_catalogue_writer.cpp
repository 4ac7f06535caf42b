#include "net/shared_catalogue_writer.h"

#include <exception>
#include <utility>

#include "net/shared_catalogue.h"
#include "net/shared_folder.h"

namespace vorlix {

SharedCatalogueWriter::SharedCatalogueWriter(std::string sharedFolder, const CodePage& codePage,
                                             std::function<void(const std::string&)> reportProblem)
    : m_sharedFolder(std::move(sharedFolder)),
      m_codePage(codePage),
      m_reportProblem(std::move(reportProblem)),
      m_writer([this](const std::string& path, const Result& result) { written(path, result); }) {}

std::string SharedCatalogueWriter::sharedDatabasePath() const {
    return m_sharedFolder + "/" + std::string(kSharedDatabaseName);
}

void SharedCatalogueWriter::publish(const CQXCatalog& catalogue) {
    write(catalogue, sharedDatabasePath());
}

void SharedCatalogueWriter::publishTreeCatalogue(const CQXCatalog& catalogue) {
    write(catalogue, m_sharedFolder + "/" + std::string(kTreeSharedDatabaseName));
}

void SharedCatalogueWriter::write(const CQXCatalog& catalogue, const std::string& path) {
    const SharedCatalogue shared = SharedCatalogue::of(catalogue);
    if (shared.discs.empty()) {
        return;
    }
    try {
        m_writer.write(path, shared.fileBytes(m_codePage));
    } catch (const std::exception& e) {
        written(path, Result::failure(e.what()));
    }
}

void SharedCatalogueWriter::written(const std::string& path, const Result& result) {
    if (result.ok()) {
        m_failureReported = false;
        return;
    }
    if (!m_failureReported.exchange(true)) {
        m_reportProblem("cannot write the shared catalogue " + path + ": " + result.message());
    }
}

void SharedCatalogueWriter::waitUntilWritten() {
    m_writer.waitUntilWritten();
}

}  // namespace vorlix
