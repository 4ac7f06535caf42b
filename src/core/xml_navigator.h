#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlix {

// Escapes text for use as element content: "&lt;", "&amp;" and "&gt;" only, so apostrophes and
// double quotes stay as they are. Code that edits records by plain string replacement must write
// exactly what the navigator writes, hence this is shared.
std::string xmlEscapeText(std::string_view text);

// Holds one small XML text, indexes its elements and edits the text in place. It is not a general
// XML parser: it knows elements only and leaves every other byte as it is. Other code edits the
// same texts by plain string replacement, so the exact bytes it writes are part of its contract.
// The position is a parent, a current element and a current child; 0 stands for none.
class CXmlNavigator {
public:
    CXmlNavigator();

    // Replaces the document and indexes it; true when an element was indexed.
    bool setDoc(std::string_view text);
    const std::string& getDoc() const;
    // Why the last setDoc indexed nothing, for diagnostics only; empty when it found no fault.
    const std::string& getError() const;
    // Moves back to the top level, before the top-level element, as after setDoc.
    void resetPos();

    // An empty name matches any element.
    bool findElem(std::string_view name = {});
    bool findChildElem(std::string_view name = {});
    bool intoElem();
    bool outOfElem();

    std::string getData() const;
    std::string getChildData() const;
    std::string getAttrib(std::string_view name) const;
    std::string getChildAttrib(std::string_view name) const;

    // Names that could not be read back from the tag (empty, or holding white space, quotes or
    // one of < > = \ / ? !) are refused, so an edit never leaves text the index disagrees with.
    bool setAttrib(std::string_view name, std::string_view value);
    // An empty value writes an empty-element tag.
    bool addElem(std::string_view name, std::string_view value = {});
    bool addChildElem(std::string_view name, std::string_view value = {});
    // Replaces the current child's content with the value, escaped as element text; an empty
    // element is expanded into a start and an end tag, its start tag keeping its attributes.
    // Refused for a child that holds elements, whose index entries the text would lose.
    bool setChildData(std::string_view value);

private:
    struct Element {
        std::size_t startTagLeft = 0;
        std::size_t startTagRight = 0;
        // For an empty element: the slash, and the same position as startTagRight.
        std::size_t endTagLeft = 0;
        std::size_t endTagRight = 0;
        std::size_t parent = 0;
        std::size_t firstChild = 0;
        std::size_t nextSibling = 0;
    };
    struct Span {
        std::size_t begin;
        std::size_t end;
    };

    bool index();
    bool fail(std::string error);
    bool closeElement(std::size_t element, std::size_t tagLeft);
    std::size_t nodeEnd(std::size_t tagLeft) const;
    std::string_view nameAt(std::size_t nameStart) const;
    std::string_view tagName(std::size_t element) const;
    bool isEmptyElement(std::size_t element) const;
    std::size_t findAmong(std::size_t parent, std::size_t after, std::string_view name) const;
    std::string dataOf(std::size_t element) const;
    std::optional<Span> findAttribValue(std::size_t element, std::string_view name) const;
    std::string attribOf(std::size_t element, std::string_view name) const;
    bool canInsert(std::size_t parent, std::size_t reference, std::string_view name) const;
    std::size_t insertElement(std::size_t parent, std::size_t reference, std::string_view name,
                              std::string_view value);
    void replaceText(std::size_t at, std::size_t removed, std::string_view text);

    std::string m_doc;
    std::string m_error;
    // Entry 0 is a virtual root whose only child is the document's top-level element.
    std::vector<Element> m_elements;
    std::size_t m_parent = 0;
    std::size_t m_current = 0;
    std::size_t m_child = 0;
};

}  // namespace vorlix
