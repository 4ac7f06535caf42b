#include "core/xml_navigator.h"

#include <algorithm>
#include <array>
#include <utility>

namespace vorlix {

namespace {

constexpr std::size_t kNone = std::string::npos;
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kCdataOpen = "<![CDATA[";
constexpr std::string_view kCdataClose = "]]>";

struct Entity {
    std::string_view reference;
    char character;
};

// The first three are all that element text needs; attribute values need all five.
constexpr std::array<Entity, 5> kEntities{{
    {"&lt;", '<'},
    {"&amp;", '&'},
    {"&gt;", '>'},
    {"&apos;", '\''},
    {"&quot;", '"'},
}};
constexpr std::size_t kTextEntityCount = 3;

bool isWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool endsName(char c) {
    return isWhiteSpace(c) || std::string_view("<>=\\/?!").find(c) != kNone;
}

bool isQuote(char c) {
    return c == '"' || c == '\'';
}

// Only a name that reads back whole, both as a tag name and as an attribute token, may be written.
bool isWritableName(std::string_view name) {
    return !name.empty() &&
           std::none_of(name.begin(), name.end(), [](char c) { return endsName(c) || isQuote(c); });
}

std::string escape(std::string_view text, std::size_t entityCount) {
    std::string result;
    result.reserve(text.size());
    for (const char c : text) {
        const auto end = kEntities.begin() + entityCount;
        const auto entity =
            std::find_if(kEntities.begin(), end, [c](const Entity& e) { return e.character == c; });
        if (entity == end) {
            result += c;
        } else {
            result += entity->reference;
        }
    }
    return result;
}

std::string decodeEntities(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == '&') {
            const std::string_view rest = text.substr(i);
            const auto entity =
                std::find_if(kEntities.begin(), kEntities.end(),
                             [rest](const Entity& e) { return rest.starts_with(e.reference); });
            if (entity != kEntities.end()) {
                result += entity->character;
                i += entity->reference.size();
                continue;
            }
        }
        result += text[i];
        ++i;
    }
    return result;
}

}  // namespace

std::string xmlEscapeText(std::string_view text) {
    return escape(text, kTextEntityCount);
}

CXmlNavigator::CXmlNavigator() : m_elements(1) {}

bool CXmlNavigator::setDoc(std::string_view text) {
    m_doc.assign(text);
    m_error.clear();
    m_elements.assign(1, Element{});
    resetPos();
    if (!index()) {
        m_elements.assign(1, Element{});
    }
    return m_elements[0].firstChild != 0;
}

const std::string& CXmlNavigator::getDoc() const {
    return m_doc;
}

const std::string& CXmlNavigator::getError() const {
    return m_error;
}

void CXmlNavigator::resetPos() {
    m_parent = 0;
    m_current = 0;
    m_child = 0;
}

// Iterative on purpose: a record may come from any file, and deep nesting must not exhaust the
// call stack.
bool CXmlNavigator::index() {
    struct Level {
        std::size_t element;
        std::size_t lastChild;
    };
    std::vector<Level> open{{0, 0}};
    std::size_t pos = 0;
    for (;;) {
        const bool topLevel = open.size() == 1;
        const std::size_t tagLeft = m_doc.find('<', pos);
        if (tagLeft == kNone) {
            if (topLevel) {
                return fail("Element tag not found");
            }
            return fail("End tag of " + std::string(tagName(open.back().element)) +
                        " element not found");
        }
        if (tagLeft + 1 == m_doc.size()) {
            return fail("Abrupt end within tag");
        }
        const char first = m_doc[tagLeft + 1];
        if (isQuote(first)) {
            return fail("Tag starts with quote");
        }
        if (first == '?' || first == '!') {
            pos = nodeEnd(tagLeft);
            if (pos == kNone) {
                return fail("Invalid node");
            }
            continue;
        }
        if (first == '/') {
            // No more elements at this level; at the top level that means none at all.
            if (topLevel) {
                return true;
            }
            const std::size_t element = open.back().element;
            if (!closeElement(element, tagLeft)) {
                return false;
            }
            open.pop_back();
            if (open.size() == 1) {
                return true;
            }
            pos = m_elements[element].endTagRight + 1;
            continue;
        }
        const std::size_t tagRight = m_doc.find('>', tagLeft + 1);
        if (tagRight == kNone) {
            return fail("End of tag not found");
        }
        const std::size_t element = m_elements.size();
        Level& level = open.back();
        Element entry;
        entry.startTagLeft = tagLeft;
        entry.startTagRight = tagRight;
        entry.parent = level.element;
        if (level.lastChild == 0) {
            m_elements[level.element].firstChild = element;
        } else {
            m_elements[level.lastChild].nextSibling = element;
        }
        level.lastChild = element;
        pos = tagRight + 1;
        if (m_doc[tagRight - 1] == '/') {
            entry.endTagLeft = tagRight - 1;
            entry.endTagRight = tagRight;
            m_elements.push_back(entry);
            if (topLevel) {
                return true;
            }
        } else {
            m_elements.push_back(entry);
            open.push_back({element, 0});
        }
    }
}

bool CXmlNavigator::fail(std::string error) {
    m_error = std::move(error);
    return false;
}

bool CXmlNavigator::closeElement(std::size_t element, std::size_t tagLeft) {
    const std::string name(tagName(element));
    const std::string_view endName = nameAt(tagLeft + 2);
    if (endName != name) {
        return fail("End tag does not correspond to " + name);
    }
    std::size_t tagRight = tagLeft + 2 + endName.size();
    while (tagRight < m_doc.size() && isWhiteSpace(m_doc[tagRight])) {
        ++tagRight;
    }
    if (tagRight == m_doc.size() || m_doc[tagRight] != '>') {
        return fail("End tag not completed for element " + name);
    }
    m_elements[element].endTagLeft = tagLeft;
    m_elements[element].endTagRight = tagRight;
    return true;
}

// Returns the position just past a processing instruction, comment, CDATA section or declaration
// starting at tagLeft, or kNone when it does not end.
std::size_t CXmlNavigator::nodeEnd(std::size_t tagLeft) const {
    const std::string_view node = std::string_view(m_doc).substr(tagLeft);
    const auto endOf = [&](std::string_view open, std::string_view close) {
        const std::size_t found = m_doc.find(close, tagLeft + open.size());
        return found == kNone ? kNone : found + close.size();
    };
    if (node.starts_with("<?")) {
        return endOf("<?", "?>");
    }
    if (node.starts_with("<!--")) {
        return endOf("<!--", "-->");
    }
    if (node.starts_with("<![")) {
        return endOf("<![", kCdataClose);
    }
    // A declaration may hold an internal subset in brackets, with ">" inside it.
    std::size_t depth = 0;
    for (std::size_t i = tagLeft + 2; i < m_doc.size(); ++i) {
        if (m_doc[i] == '[') {
            ++depth;
        } else if (m_doc[i] == ']' && depth > 0) {
            --depth;
        } else if (m_doc[i] == '>' && depth == 0) {
            return i + 1;
        }
    }
    return kNone;
}

std::string_view CXmlNavigator::nameAt(std::size_t nameStart) const {
    std::size_t nameEnd = nameStart;
    while (nameEnd < m_doc.size() && !endsName(m_doc[nameEnd])) {
        ++nameEnd;
    }
    return std::string_view(m_doc).substr(nameStart, nameEnd - nameStart);
}

std::string_view CXmlNavigator::tagName(std::size_t element) const {
    return nameAt(m_elements[element].startTagLeft + 1);
}

bool CXmlNavigator::isEmptyElement(std::size_t element) const {
    const Element& e = m_elements[element];
    return e.startTagRight == e.endTagLeft + 1;
}

std::size_t CXmlNavigator::findAmong(std::size_t parent, std::size_t after,
                                     std::string_view name) const {
    std::size_t element =
        after == 0 ? m_elements[parent].firstChild : m_elements[after].nextSibling;
    while (element != 0 && !name.empty() && tagName(element) != name) {
        element = m_elements[element].nextSibling;
    }
    return element;
}

bool CXmlNavigator::findElem(std::string_view name) {
    const std::size_t found = findAmong(m_parent, m_current, name);
    if (found == 0) {
        return false;
    }
    m_current = found;
    m_child = 0;
    return true;
}

bool CXmlNavigator::findChildElem(std::string_view name) {
    if (m_current == 0 && !findElem()) {
        return false;
    }
    const std::size_t found = findAmong(m_current, m_child, name);
    if (found == 0) {
        return false;
    }
    m_child = found;
    return true;
}

bool CXmlNavigator::intoElem() {
    if (m_current == 0) {
        return false;
    }
    m_parent = m_current;
    m_current = m_child;
    m_child = 0;
    return true;
}

bool CXmlNavigator::outOfElem() {
    if (m_parent == 0) {
        return false;
    }
    m_child = m_current;
    m_current = m_parent;
    m_parent = m_elements[m_parent].parent;
    return true;
}

std::string CXmlNavigator::dataOf(std::size_t element) const {
    if (element == 0 || m_elements[element].firstChild != 0 || isEmptyElement(element)) {
        return {};
    }
    const std::size_t begin = m_elements[element].startTagRight + 1;
    const std::size_t end = m_elements[element].endTagLeft;
    std::size_t cdata = begin;
    while (cdata < end && isWhiteSpace(m_doc[cdata])) {
        ++cdata;
    }
    if (end - cdata >= kCdataOpen.size() &&
        m_doc.compare(cdata, kCdataOpen.size(), kCdataOpen) == 0) {
        const std::size_t textBegin = cdata + kCdataOpen.size();
        const std::size_t close = m_doc.find(kCdataClose, textBegin);
        if (close != kNone && close < end) {
            return m_doc.substr(textBegin, close - textBegin);
        }
    }
    return decodeEntities(std::string_view(m_doc).substr(begin, end - begin));
}

std::string CXmlNavigator::getData() const {
    return dataOf(m_current);
}

std::string CXmlNavigator::getChildData() const {
    return dataOf(m_child);
}

// Reads the start tag as tokens (names, "=", quoted values) and returns the place of the quoted
// value that follows "name =". The scan stays inside the start tag so that an edit of the value
// can never reach past it.
std::optional<CXmlNavigator::Span> CXmlNavigator::findAttribValue(std::size_t element,
                                                                  std::string_view name) const {
    enum class Seen { Other, Name, NameAndEquals };
    const Element& e = m_elements[element];
    const std::size_t limit = e.startTagRight;
    std::size_t pos = e.startTagLeft + 1 + tagName(element).size();
    Seen seen = Seen::Other;
    for (;;) {
        while (pos < limit && isWhiteSpace(m_doc[pos])) {
            ++pos;
        }
        if (pos >= limit) {
            return std::nullopt;
        }
        const char c = m_doc[pos];
        if (c == '/' || c == '>' || c == '?') {
            return std::nullopt;
        }
        if (isQuote(c)) {
            const std::size_t close = m_doc.find(c, pos + 1);
            if (close == kNone || close >= limit) {
                return std::nullopt;
            }
            if (seen == Seen::NameAndEquals) {
                return Span{pos + 1, close};
            }
            seen = Seen::Other;
            pos = close + 1;
        } else if (c == '=') {
            seen = seen == Seen::Name ? Seen::NameAndEquals : Seen::Other;
            ++pos;
        } else if (endsName(c)) {
            seen = Seen::Other;
            ++pos;
        } else {
            std::size_t tokenEnd = pos;
            while (tokenEnd < limit && !endsName(m_doc[tokenEnd]) && !isQuote(m_doc[tokenEnd])) {
                ++tokenEnd;
            }
            const std::string_view token = std::string_view(m_doc).substr(pos, tokenEnd - pos);
            seen = token == name ? Seen::Name : Seen::Other;
            pos = tokenEnd;
        }
    }
}

std::string CXmlNavigator::attribOf(std::size_t element, std::string_view name) const {
    if (element == 0) {
        return {};
    }
    const std::optional<Span> value = findAttribValue(element, name);
    if (!value) {
        return {};
    }
    return decodeEntities(std::string_view(m_doc).substr(value->begin, value->end - value->begin));
}

std::string CXmlNavigator::getAttrib(std::string_view name) const {
    return attribOf(m_current, name);
}

std::string CXmlNavigator::getChildAttrib(std::string_view name) const {
    return attribOf(m_child, name);
}

bool CXmlNavigator::setAttrib(std::string_view name, std::string_view value) {
    if (m_current == 0 || !isWritableName(name)) {
        return false;
    }
    const std::string escaped = escape(value, kEntities.size());
    if (const std::optional<Span> old = findAttribValue(m_current, name)) {
        replaceText(old->begin, old->end - old->begin, escaped);
        return true;
    }
    const std::size_t at = isEmptyElement(m_current) ? m_elements[m_current].endTagLeft
                                                     : m_elements[m_current].startTagRight;
    replaceText(at, 0, " " + std::string(name) + "=\"" + escaped + "\"");
    return true;
}

bool CXmlNavigator::canInsert(std::size_t parent, std::size_t reference,
                              std::string_view name) const {
    if (!isWritableName(name)) {
        return false;
    }
    // Expanding a tag such as <a//> would leave <a/> behind, which still reads as an empty
    // element, so the text would no longer hold what the index says.
    const bool expandsParent = reference == 0 && parent != 0 && isEmptyElement(parent);
    return !expandsParent || m_doc[m_elements[parent].endTagLeft - 1] != '/';
}

bool CXmlNavigator::addElem(std::string_view name, std::string_view value) {
    if (m_parent == 0 && m_elements[0].firstChild != 0) {
        return false;
    }
    if (!canInsert(m_parent, m_current, name)) {
        return false;
    }
    m_current = insertElement(m_parent, m_current, name, value);
    m_child = 0;
    return true;
}

bool CXmlNavigator::addChildElem(std::string_view name, std::string_view value) {
    if (m_current == 0 || !canInsert(m_current, m_child, name)) {
        return false;
    }
    m_child = insertElement(m_current, m_child, name, value);
    return true;
}

bool CXmlNavigator::setChildData(std::string_view value) {
    if (m_child == 0 || m_elements[m_child].firstChild != 0) {
        return false;
    }
    Element& child = m_elements[m_child];
    const std::string escaped = xmlEscapeText(value);
    if (!isEmptyElement(m_child)) {
        const std::size_t begin = child.startTagRight + 1;
        replaceText(begin, child.endTagLeft - begin, escaped);
        return true;
    }
    // White space before the slash goes with it, so that <notes /> becomes <notes>...</notes>.
    const std::size_t slash = child.endTagLeft;
    std::size_t at = slash;
    while (isWhiteSpace(m_doc[at - 1])) {
        --at;
    }
    // As with inserting into <a//>: what is left would still read as an empty element.
    if (m_doc[at - 1] == '/') {
        return false;
    }
    const std::string name(tagName(m_child));
    replaceText(at, slash + 1 - at, ">" + escaped + "</" + name);
    child.startTagRight = at;
    child.endTagLeft = at + 1 + escaped.size();
    child.endTagRight = child.endTagLeft + 1 + name.size() + 1;
    return true;
}

std::size_t CXmlNavigator::insertElement(std::size_t parent, std::size_t reference,
                                         std::string_view name, std::string_view value) {
    // The new entry's positions are first taken relative to the start of its own text.
    Element entry;
    entry.parent = parent;
    std::string text = "<" + std::string(name);
    const std::string escaped = xmlEscapeText(value);
    if (escaped.empty()) {
        text += "/>";
        entry.startTagRight = text.size() - 1;
        entry.endTagLeft = text.size() - 2;
        entry.endTagRight = entry.startTagRight;
    } else {
        text += '>';
        entry.startTagRight = text.size() - 1;
        text += escaped;
        entry.endTagLeft = text.size();
        text += "</" + std::string(name) + ">";
        entry.endTagRight = text.size() - 1;
    }
    text += kLineEnd;

    std::size_t start = 0;
    if (reference != 0) {
        start = m_elements[reference].endTagRight + 1;
        std::size_t next = start;
        while (next < m_doc.size() && isWhiteSpace(m_doc[next])) {
            ++next;
        }
        if (next == m_doc.size() || m_doc[next] == '<') {
            start = next;
        }
        replaceText(start, 0, text);
    } else if (parent == 0) {
        start = m_doc.size();
        m_doc += text;
    } else if (isEmptyElement(parent)) {
        const std::size_t slash = m_elements[parent].endTagLeft;
        const std::string expansion =
            ">" + std::string(kLineEnd) + text + "</" + std::string(tagName(parent));
        replaceText(slash, 1, expansion);
        start = slash + 1 + kLineEnd.size();
        m_elements[parent].startTagRight = slash;
        m_elements[parent].endTagLeft = start + text.size();
    } else if (m_elements[parent].startTagRight + 1 == m_elements[parent].endTagLeft) {
        const std::size_t at = m_elements[parent].endTagLeft;
        replaceText(at, 0, std::string(kLineEnd) + text);
        start = at + kLineEnd.size();
    } else {
        start = m_elements[parent].endTagLeft;
        replaceText(start, 0, text);
    }
    entry.startTagLeft = start;
    entry.startTagRight += start;
    entry.endTagLeft += start;
    entry.endTagRight += start;

    const std::size_t element = m_elements.size();
    if (reference != 0) {
        entry.nextSibling = m_elements[reference].nextSibling;
        m_elements[reference].nextSibling = element;
    } else if (m_elements[parent].firstChild == 0) {
        m_elements[parent].firstChild = element;
    } else {
        std::size_t last = m_elements[parent].firstChild;
        while (m_elements[last].nextSibling != 0) {
            last = m_elements[last].nextSibling;
        }
        m_elements[last].nextSibling = element;
    }
    m_elements.push_back(entry);
    return element;
}

// Replaces removed bytes at "at" with text and moves every indexed position from the end of the
// replaced bytes onwards, which keeps the table valid without indexing the document again.
void CXmlNavigator::replaceText(std::size_t at, std::size_t removed, std::string_view text) {
    m_doc.replace(at, removed, text);
    const std::size_t from = at + removed;
    for (auto it = m_elements.begin() + 1; it != m_elements.end(); ++it) {
        for (std::size_t* pos :
             {&it->startTagLeft, &it->startTagRight, &it->endTagLeft, &it->endTagRight}) {
            if (*pos >= from) {
                *pos = *pos - removed + text.size();
            }
        }
    }
}

}  // namespace vorlix
