#include "cli/json_dump.h"

#include <string>
#include <utility>

#include "cli/json_text.h"
#include "core/catalog.h"
#include "core/catalog_format.h"
#include "core/md5.h"

namespace vorlix {

namespace {

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

}  // namespace

void JsonDump::start(std::uint32_t) {
    m_output.append("{\"discs\":[");
}

void JsonDump::disc(const CQXDisc& disc) {
    std::string& out = m_head;
    out = m_firstDisc ? "{" : ",{";
    m_firstDisc = false;
    const std::pair<std::string_view, std::string_view> fields[] = {
        {"number", disc.number()},
        {"quality", disc.quality()},
        {"info", disc.info()},
        {"artist", disc.artist()},
        {"name", disc.name()},
        {"location", disc.location()},
        {"date", disc.date()},
        {"lend_date", disc.lendDate()},
        {"outline", disc.outline()},
        {"owner_name", disc.ownerName()},
        {"owner_digest", disc.ownerDigest()},
        {"shared", disc.shared()},
        {"serial", disc.serial()},
        {"size", disc.size()}};
    for (const auto& [name, value] : fields) {
        appendJsonField(out, name, value);
    }
    out += "\"categories\":";
    appendJsonList(out, disc.categories());
    out += ",\"files\":[";
    m_output.append(out);
    m_output.append(m_entries.view());
    m_output.append("]}");
}

std::unique_ptr<CatalogueDump> JsonDump::dumpApart(LineBuffer& collected) const {
    return std::make_unique<JsonDump>(m_codePage, collected);
}

void JsonDump::goOnAt(std::uint32_t index) {
    m_firstDisc = index == 0;
}

void JsonDump::begin(std::uint32_t) {
    m_entries.clear();
}

void JsonDump::entry(std::string_view name, std::string_view folder, std::string_view size,
                     std::string_view drive, TextList& categories) {
    static constexpr std::string_view kName = ",{\"name\":";
    static constexpr std::string_view kFolder = ",\"folder\":";
    static constexpr std::string_view kSize = ",\"size\":";
    static constexpr std::string_view kDrive = ",\"drive\":";
    static constexpr std::string_view kCategories = ",\"categories\":[";
    static constexpr std::string_view kEnd = "]}";
    std::size_t most = kName.size() + jsonStringMost(name) + kFolder.size() +
                       jsonStringMost(folder) + kSize.size() + jsonStringMost(size) +
                       kDrive.size() + jsonStringMost(drive) + kCategories.size() + kEnd.size();
    for (std::string_view category : categories) {
        most += 1 + jsonStringMost(category);
    }
    // The first entry of a disc has no comma before it.
    const bool first = m_entries.size() == 0;
    char* out = putText(m_entries.room(most), first ? kName.substr(1) : kName);
    out = putJsonString(out, name);
    out = putText(out, kFolder);
    out = putJsonString(out, folder);
    out = putText(out, kSize);
    out = putJsonString(out, size);
    out = putText(out, kDrive);
    out = putJsonString(out, drive);
    out = putText(out, kCategories);
    bool firstCategory = true;
    for (std::string_view category : categories) {
        if (!firstCategory) {
            out = putText(out, ",");
        }
        firstCategory = false;
        out = putJsonString(out, category);
    }
    out = putText(out, kEnd);
    m_entries.commit(out);
}

void JsonDump::finish(const CQXCatalog& rest) {
    std::string& tail = m_head;
    tail = "],\"categories\":";
    appendJsonList(tail, rest.categories);
    tail += ",\"named\":{";
    bool first = true;
    for (std::size_t i : fileOrder(rest.named, m_codePage)) {
        if (!first) {
            tail.push_back(',');
        }
        first = false;
        const auto& [key, object] = rest.named.entries()[i];
        appendJsonString(tail, key);
        tail.push_back(':');
        appendJsonNamed(tail, object, m_codePage);
    }
    tail += "}}\n";
    m_output.append(tail);
    m_output.flush();
}

}  // namespace vorlix
