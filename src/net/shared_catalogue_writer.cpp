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
    publishPrepared(prepare(catalogue));
}

SharedFileForm SharedCatalogueWriter::prepare(const CQXCatalog& catalogue) const {
    SharedFileForm form;
    try {
        const SharedCatalogue shared = SharedCatalogue::of(catalogue);
        form.anyShared = !shared.discs.empty();
        if (form.anyShared) {
            form.chunks = shared.fileBytes(m_codePage);
        }
    } catch (const std::exception& e) {
        form.chunks.clear();
        form.failure = e.what();
    }
    return form;
}

void SharedCatalogueWriter::publishPrepared(SharedFileForm form) {
    write(std::move(form), sharedDatabasePath());
}

void SharedCatalogueWriter::publishTreeCatalogue(const CQXCatalog& catalogue) {
    write(prepare(catalogue), m_sharedFolder + "/" + std::string(kTreeSharedDatabaseName));
}

void SharedCatalogueWriter::write(SharedFileForm form, const std::string& path) {
    if (!form.failure.empty()) {
        written(path, Result::failure(form.failure));
    } else if (form.anyShared) {
        m_writer.write(path, std::move(form.chunks));
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
