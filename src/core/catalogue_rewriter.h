#pragma once

#include <cstdint>
#include <string_view>

#include "core/disc_visitor.h"

namespace vorlix {

class ArchiveWriter;
class CQXCatalog;

// Writes a catalogue file disc by disc as a visit of another hands them over, without holding
// the catalogue: a conversion from one file to another. What it writes is what reading the
// whole catalogue and writing it would give.
class CatalogueRewriter final : public DiscVisitor, private FileEntrySink {
public:
    explicit CatalogueRewriter(ArchiveWriter& writer) : m_writer(writer) {}

    void start(std::uint32_t discCount) override;
    FileEntrySink& entries() override { return *this; }
    void disc(const CQXDisc& disc) override;
    // After the last disc: the categories and named objects that were read, then the end.
    void finish(const CQXCatalog& rest);

private:
    void begin(std::uint32_t count) override;
    void entry(std::string_view name, std::string_view folder, std::string_view size,
               std::string_view drive, TextList& categories) override;

    ArchiveWriter& m_writer;
};

}  // namespace vorlix
