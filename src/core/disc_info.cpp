#include "core/disc_info.h"

#include "core/xml_navigator.h"

namespace vorlix::disc_info {

namespace {

constexpr std::string_view kEmptyNotes = "<notes/>";
constexpr std::string_view kNotesOpen = "<notes>";
constexpr std::string_view kNotesClose = "</notes>";

std::string replaceAll(std::string_view text, std::string_view from, std::string_view to) {
    std::string result;
    std::size_t pos = 0;
    for (std::size_t found = text.find(from); found != std::string_view::npos;
         found = text.find(from, pos)) {
        result += text.substr(pos, found - pos);
        result += to;
        pos = found + from.size();
    }
    result += text.substr(pos);
    return result;
}

ChildValue readRootChild(std::string_view record, std::string_view name) {
    CXmlNavigator navigator;
    navigator.setDoc(record);
    if (!navigator.findChildElem(name)) {
        return {};
    }
    return {navigator.getChildData(), true};
}

std::string notesElement(std::string_view notes) {
    return std::string(kNotesOpen) + xmlEscapeText(notes) + std::string(kNotesClose);
}

// The record with its notes element of this program's own forms replaced; nullopt when it has
// neither form.
std::optional<std::string> replaceNotesText(std::string_view record, std::string_view notes) {
    if (record.find(kEmptyNotes) != std::string_view::npos) {
        return replaceAll(record, kEmptyNotes, notesElement(notes));
    }
    const std::size_t open = record.find(kNotesOpen);
    const std::size_t close =
        open == std::string_view::npos ? open : record.find(kNotesClose, open);
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view old = record.substr(open, close + kNotesClose.size() - open);
    return replaceAll(record, old, notesElement(notes));
}

}  // namespace

std::string readNotes(std::string_view record) {
    CXmlNavigator navigator;
    navigator.setDoc(record);
    if (navigator.findElem("info") && navigator.findChildElem("notes")) {
        return navigator.getChildData();
    }
    return std::string(record);
}

ChildValue readMediaTag(std::string_view record) {
    return readRootChild(record, "mtoc");
}

ChildValue readFreedbState(std::string_view record) {
    return readRootChild(record, "cddb");
}

PriceData readPriceData(std::string_view record) {
    PriceData price;
    CXmlNavigator navigator;
    navigator.setDoc(record);
    if (!navigator.findElem("info")) {
        return price;
    }
    navigator.intoElem();
    if (navigator.findElem("price")) {
        price.date = navigator.getAttrib("date");
        navigator.intoElem();
        if (navigator.findElem("new")) {
            price.newPrice = navigator.getData();
        }
        if (navigator.findElem("used")) {
            price.usedPrice = navigator.getData();
        }
        navigator.outOfElem();
    }
    if (navigator.findElem("ASIN")) {
        price.asin = navigator.getData();
    }
    return price;
}

std::string readMode(std::string_view record) {
    return readRootChild(record, "mode").value;
}

bool hasPortraitCover(std::string_view record) {
    const std::string mode = readMode(record);
    return mode == "dvd" || mode == "software";
}

// The notes element this program writes (<notes/>, <notes>...</notes>) is replaced in the text
// itself, every occurrence of it, as other programs that share these records do. Any other form
// (attributes, white space in the tag), or a replacement that hit a look-alike elsewhere in the
// record instead, is changed through the navigator, which edits exactly the element it found.
// Whatever the path, the result must read back as the notes.
std::optional<std::string> storeNotes(std::string_view record, std::string_view notes) {
    CXmlNavigator navigator;
    navigator.setDoc(record);
    if (!navigator.findElem("info")) {
        return "<info>\r\n" + notesElement(notes) + "\r\n</info>";
    }
    const auto readsBack = [notes](const std::string& stored) {
        return readNotes(stored) == notes;
    };
    if (!navigator.findChildElem("notes")) {
        if (navigator.addChildElem("notes", notes) && readsBack(navigator.getDoc())) {
            return navigator.getDoc();
        }
        return std::nullopt;
    }
    if (const std::optional<std::string> replaced = replaceNotesText(record, notes);
        replaced && readsBack(*replaced)) {
        return replaced;
    }
    if (navigator.setChildData(notes) && readsBack(navigator.getDoc())) {
        return navigator.getDoc();
    }
    return std::nullopt;
}

std::optional<std::string> setFreedbState(std::string_view record, bool yes) {
    const ChildValue state = readFreedbState(record);
    if (!state.exists) {
        return std::nullopt;
    }
    return replaceAll(record, "<cddb>" + state.value + "</cddb>",
                      yes ? "<cddb>yes</cddb>" : "<cddb>no</cddb>");
}

std::string scannedAudioRecord(std::string_view mediaTag) {
    CXmlNavigator navigator;
    navigator.addElem("info");
    navigator.addChildElem("mtoc", mediaTag);
    navigator.addChildElem("cddb", "no");
    navigator.addChildElem("notes");
    return navigator.getDoc();
}

std::string scannedDataRecord() {
    CXmlNavigator navigator;
    navigator.addElem("info");
    navigator.addChildElem("notes");
    return navigator.getDoc();
}

}  // namespace vorlix::disc_info
