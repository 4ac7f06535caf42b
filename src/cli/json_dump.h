#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "cli/catalogue_dump.h"
#include "cli/dump_output.h"
#include "cli/line_buffer.h"

namespace vorlix {

class CodePage;

// The catalogue as one JSON object for programs: discs with their files, categories, and named
// objects in the order the file stores them (byte arrays as their size and MD5 digest). A
// disc's entries come before its texts in the file but after them here, so they wait in a
// buffer.
class JsonDump final : public CatalogueDump, private FileEntrySink {
public:
    JsonDump(const CodePage& codePage, std::FILE* out) : m_codePage(codePage), m_output(out) {}
    JsonDump(const CodePage& codePage, LineBuffer& collected)
        : m_codePage(codePage), m_output(collected) {}

    void start(std::uint32_t discCount) override;
    FileEntrySink& entries() override { return *this; }
    void disc(const CQXDisc& disc) override;
    void finish(const CQXCatalog& rest) override;
    std::unique_ptr<CatalogueDump> dumpApart(LineBuffer& collected) const override;
    void goOnAt(std::uint32_t index) override;
    void show(std::string_view madeApart) override { m_output.append(madeApart); }

private:
    void begin(std::uint32_t count) override;
    void entry(std::string_view name, std::string_view folder, std::string_view size,
               std::string_view drive, TextList& categories) override;

    const CodePage& m_codePage;
    DumpOutput m_output;
    LineBuffer m_entries;
    std::string m_head;
    bool m_firstDisc = true;
};

}  // namespace vorlix
