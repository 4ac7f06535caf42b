#include "core/catalogue_rewriter.h"

#include "core/archive_writer.h"
#include "core/catalog_format.h"

namespace vorlix {

void CatalogueRewriter::start(std::uint32_t discCount) {
    m_writer.writeCount(discCount);
}

void CatalogueRewriter::begin(std::uint32_t count) {
    m_writer.beginObject(persistent_class::kDisc);
    m_writer.writeCount(count);
}

void CatalogueRewriter::entry(std::string_view name, std::string_view folder, std::string_view size,
                              std::string_view drive, TextList& categories) {
    writeFileEntry(m_writer, name, folder, size, drive, categories);
}

void CatalogueRewriter::disc(const CQXDisc& disc) {
    writeDiscTexts(m_writer, disc);
}

void CatalogueRewriter::finish(const CQXCatalog& rest) {
    writeCatalogueRest(m_writer, rest.categories, rest.named);
    m_writer.flush();
}

}  // namespace vorlix
