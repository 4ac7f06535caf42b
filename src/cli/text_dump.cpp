#include "cli/text_dump.h"

#include <string>
#include <utility>

#include "cli/terminal_text.h"
#include "core/catalog.h"
#include "core/catalog_format.h"

namespace vorlix {

namespace {

std::string describeNamed(const NamedObject& object) {
    if (const auto* list = std::get_if<StringList>(&object)) {
        return "list of " + std::to_string(list->items.size()) + " texts";
    }
    if (const auto* map = std::get_if<StringMap>(&object)) {
        return "map of " + std::to_string(map->size()) + " texts";
    }
    return std::to_string(std::get<ByteArray>(object).bytes.size()) + " bytes";
}

}  // namespace

void TextDump::disc(const CQXDisc& disc) {
    std::string& t = m_head;
    t = "Disc ";
    appendTerminalText(t, disc.number());
    t += ": ";
    appendTerminalText(t, disc.name());
    t += "\n";
    const std::pair<std::string_view, std::string_view> fields[] = {
        {"artist", disc.artist()}, {"quality", disc.quality()},    {"location", disc.location()},
        {"date", disc.date()},     {"lend date", disc.lendDate()}, {"owner", disc.ownerName()},
        {"shared", disc.shared()}, {"serial", disc.serial()},      {"size", disc.size()}};
    for (const auto& [name, value] : fields) {
        if (!value.empty()) {
            t += "  ";
            t += name;
            t += ": ";
            appendTerminalText(t, value);
            t += "\n";
        }
    }
    for (std::string_view category : disc.categories()) {
        t += "  category: ";
        appendTerminalText(t, category);
        t += "\n";
    }
    m_output.append(t);
    m_output.append(m_entries.view());
}

std::unique_ptr<CatalogueDump> TextDump::dumpApart(LineBuffer& collected) const {
    return std::make_unique<TextDump>(m_codePage, collected);
}

// A disc's text does not depend on its place.
void TextDump::goOnAt(std::uint32_t) {}

void TextDump::begin(std::uint32_t) {
    m_entries.clear();
}

// "    <folder><name>  (<size> bytes)", then " [<category>]" for each category.
void TextDump::entry(std::string_view name, std::string_view folder, std::string_view size,
                     std::string_view, TextList& categories) {
    std::size_t most =
        4 + terminalTextMost(folder) + terminalTextMost(name) + 3 + terminalTextMost(size) + 7 + 1;
    // Nearly every entry has no categories, and even an empty list costs a walk.
    if (!categories.empty()) {
        for (std::string_view category : categories) {
            most += 3 + terminalTextMost(category);
        }
    }
    char* out = putText(m_entries.room(most), "    ");
    out = putTerminalText(out, folder);
    out = putTerminalText(out, name);
    out = putText(out, "  (");
    out = putTerminalText(out, size);
    out = putText(out, " bytes)");
    if (!categories.empty()) {
        for (std::string_view category : categories) {
            out = putText(out, " [");
            out = putTerminalText(out, category);
            out = putText(out, "]");
        }
    }
    out = putText(out, "\n");
    m_entries.commit(out);
}

void TextDump::finish(const CQXCatalog& rest) {
    std::string& tail = m_head;
    tail = "Categories:";
    for (std::string_view category : rest.categories) {
        tail += " ";
        appendTerminalText(tail, category);
    }
    tail += "\nNamed objects:\n";
    for (std::size_t i : fileOrder(rest.named, m_codePage)) {
        const auto& [key, object] = rest.named.entries()[i];
        tail += "  ";
        appendTerminalText(tail, key);
        tail += ": " + describeNamed(object) + "\n";
    }
    m_output.append(tail);
    m_output.flush();
}

}  // namespace vorlix
