#include "net/shared_catalogue_writer.h"

#include <exception>
#include <utility>

#include "net/shared_catalogue.h"
#include "net/shared_folder.h"
#include "platform/safe_file_write.h"

namespace vorlix {

SharedCatalogueWriter::SharedCatalogueWriter(std::string sharedFolder, const CodePage& codePage,
                                             std::function<void(const std::string&)> reportProblem)
    : m_sharedFolder(std::move(sharedFolder)),
      m_codePage(codePage),
      m_reportProblem(std::move(reportProblem)) {}

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
    Result written = Result::success();
    try {
        written = safeWriteFile(path, shared.fileBytes(m_codePage));
    } catch (const std::exception& e) {
        written = Result::failure(e.what());
    }
    if (written.ok()) {
        m_failureReported = false;
        return;
    }
    if (!m_failureReported) {
        m_failureReported = true;
        m_reportProblem("cannot write the shared catalogue " + path + ": " + written.message());
    }
}

}  // namespace vorlix
