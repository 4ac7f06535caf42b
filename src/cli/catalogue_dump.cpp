#include "cli/catalogue_dump.h"

#include <string>
#include <utility>
#include <vector>

#include "cli/json_text.h"
#include "cli/terminal_text.h"
#include "core/catalog.h"
#include "core/catalog_format.h"
#include "core/md5.h"

namespace vorlix {

namespace {

// Collects output and hands it to the stream in large pieces; a catalogue can have millions
// of entries.
class Output {
public:
    explicit Output(std::FILE* out) : m_out(out) {}
    ~Output() { flush(); }
    std::string& text() {
        if (m_text.size() > (1u << 20)) {
            flush();
        }
        return m_text;
    }
    void flush() {
        std::fwrite(m_text.data(), 1, m_text.size(), m_out);
        m_text.clear();
    }

private:
    std::FILE* m_out;
    std::string m_text;
};

void appendJsonList(std::string& out, const TextList& texts) {
    out.push_back('[');
    bool first = true;
    for (std::string_view text : texts) {
        if (!first) {
            out.push_back(',');
        }
        first = false;
        appendJsonString(out, text);
    }
    out.push_back(']');
}

void appendJsonField(std::string& out, std::string_view name, std::string_view value) {
    appendJsonString(out, name);
    out.push_back(':');
    appendJsonString(out, value);
    out.push_back(',');
}

void appendJsonDisc(Output& output, const CQXDisc& disc) {
    std::string& out = output.text();
    out.push_back('{');
    const std::pair<std::string_view, const CompactText*> fields[] = {
        {"number", &disc.number},
        {"quality", &disc.quality},
        {"info", &disc.info},
        {"artist", &disc.artist},
        {"name", &disc.name},
        {"location", &disc.location},
        {"date", &disc.date},
        {"lend_date", &disc.lendDate},
        {"outline", &disc.outline},
        {"owner_name", &disc.ownerName},
        {"owner_digest", &disc.ownerDigest},
        {"shared", &disc.shared},
        {"serial", &disc.serial},
        {"size", &disc.size}};
    for (const auto& [name, value] : fields) {
        appendJsonField(out, name, *value);
    }
    out += "\"categories\":";
    appendJsonList(out, disc.categories);
    out += ",\"files\":[";
    bool first = true;
    for (const CQXFileData& entry : disc.files) {
        std::string& line = output.text();
        line += first ? "{" : ",{";
        first = false;
        appendJsonField(line, "name", entry.name());
        appendJsonField(line, "folder", entry.folder());
        appendJsonField(line, "size", entry.size());
        appendJsonField(line, "drive", entry.drive());
        line += "\"categories\":";
        appendJsonList(line, entry.categories());
        line.push_back('}');
    }
    output.text() += "]}";
}

void appendJsonNamed(std::string& out, const NamedObject& object, const CodePage& codePage) {
    if (const auto* list = std::get_if<StringList>(&object)) {
        out += "{\"type\":\"CStringList\",\"items\":";
        appendJsonList(out, list->items);
        out.push_back('}');
    } else if (const auto* map = std::get_if<StringMap>(&object)) {
        out += "{\"type\":\"CMapStringToString\",\"entries\":{";
        bool first = true;
        for (std::size_t i : fileOrder(*map, codePage)) {
            if (!first) {
                out.push_back(',');
            }
            first = false;
            appendJsonString(out, map->entries()[i].first);
            out.push_back(':');
            appendJsonString(out, map->entries()[i].second);
        }
        out += "}}";
    } else {
        const auto& bytes = std::get<ByteArray>(object).bytes;
        out += "{\"type\":\"CByteArray\",\"size\":" + std::to_string(bytes.size()) + ",\"md5\":\"" +
               md5Hex(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size())) +
               "\"}";
    }
}

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

void dumpJson(const CQXCatalog& catalogue, const CodePage& codePage, std::FILE* out) {
    Output output(out);
    output.text() += "{\"discs\":[";
    for (std::size_t i = 0; i < catalogue.discs.size(); ++i) {
        if (i > 0) {
            output.text().push_back(',');
        }
        appendJsonDisc(output, *catalogue.discs[i]);
    }
    std::string& tail = output.text();
    tail += "],\"categories\":";
    appendJsonList(tail, catalogue.categories);
    tail += ",\"named\":{";
    bool first = true;
    for (std::size_t i : fileOrder(catalogue.named, codePage)) {
        if (!first) {
            tail.push_back(',');
        }
        first = false;
        const auto& [key, object] = catalogue.named.entries()[i];
        appendJsonString(tail, key);
        tail.push_back(':');
        appendJsonNamed(tail, object, codePage);
    }
    tail += "}}\n";
}

void dumpText(const CQXCatalog& catalogue, const CodePage& codePage, std::FILE* out) {
    Output output(out);
    for (const auto& disc : catalogue.discs) {
        std::string& t = output.text();
        t += "Disc ";
        appendTerminalText(t, disc->number);
        t += ": ";
        appendTerminalText(t, disc->name);
        t += "\n";
        const std::pair<std::string_view, const CompactText*> fields[] = {
            {"artist", &disc->artist},      {"quality", &disc->quality},
            {"location", &disc->location},  {"date", &disc->date},
            {"lend date", &disc->lendDate}, {"owner", &disc->ownerName},
            {"shared", &disc->shared},      {"serial", &disc->serial},
            {"size", &disc->size}};
        for (const auto& [name, value] : fields) {
            if (!value->empty()) {
                t += "  ";
                t += name;
                t += ": ";
                appendTerminalText(t, *value);
                t += "\n";
            }
        }
        for (std::string_view category : disc->categories) {
            t += "  category: ";
            appendTerminalText(t, category);
            t += "\n";
        }
        for (const CQXFileData& entry : disc->files) {
            std::string& line = output.text();
            line += "    ";
            appendTerminalText(line, entry.folder());
            appendTerminalText(line, entry.name());
            line += "  (";
            appendTerminalText(line, entry.size());
            line += " bytes)";
            for (std::string_view category : entry.categories()) {
                line += " [";
                appendTerminalText(line, category);
                line += "]";
            }
            line += "\n";
        }
    }
    std::string& tail = output.text();
    tail += "Categories:";
    for (std::string_view category : catalogue.categories) {
        tail += " ";
        appendTerminalText(tail, category);
    }
    tail += "\nNamed objects:\n";
    for (std::size_t i : fileOrder(catalogue.named, codePage)) {
        const auto& [key, object] = catalogue.named.entries()[i];
        tail += "  ";
        appendTerminalText(tail, key);
        tail += ": " + describeNamed(object) + "\n";
    }
}

}  // namespace vorlix
