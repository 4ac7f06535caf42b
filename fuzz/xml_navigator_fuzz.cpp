// Feeds arbitrary bytes to CXmlNavigator and drives it with a short script taken from the input.
// Layout of an input: one byte N (taken modulo 8), N script bytes, then the document. Each script
// byte picks an operation with its low three bits and a name and a value with the others.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/xml_navigator.h"

namespace {

using vorlix::CXmlNavigator;

// Includes names the navigator must refuse, since they could not be read back from the tag.
constexpr std::array<std::string_view, 8> kNames{"a", "notes", "info", "x", "", "a b", "a/", "'q"};
constexpr std::array<std::string_view, 4> kValues{"", "v", "a & b <c> 'd' \"e\"",
                                                  " <![CDATA[x]]>\r\n"};

bool isWritableName(std::string_view name) {
    return !name.empty() && name.find_first_of(" \t\r\n<>=\\/?!'\"") == std::string_view::npos;
}

void check(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

// Lists every element's data and attribute "a" in document order, walking without recursion so
// that deeply nested input cannot exhaust the stack.
std::string outline(CXmlNavigator navigator) {
    navigator.resetPos();
    std::string result;
    std::size_t depth = 0;
    for (;;) {
        if (navigator.findElem()) {
            result += "(" + navigator.getData() + "|" + navigator.getAttrib("a");
            navigator.intoElem();
            ++depth;
        } else if (depth > 0) {
            navigator.outOfElem();
            --depth;
            result += ")";
        } else {
            return result;
        }
    }
}

void readEverything(const CXmlNavigator& navigator) {
    for (const std::string_view name : kNames) {
        navigator.getAttrib(name);
        navigator.getChildAttrib(name);
    }
    navigator.getData();
    navigator.getChildData();
}

// Runs one script step; returns whether it edited the document.
bool runStep(CXmlNavigator& navigator, std::uint8_t step) {
    const std::string_view name = kNames[(step >> 3) % kNames.size()];
    const std::string_view value = kValues[(step >> 6) % kValues.size()];
    const std::string before = navigator.getDoc();
    bool edited = false;
    switch (step & 7) {
        case 0:
            navigator.findElem();
            break;
        case 1:
            navigator.findChildElem();
            break;
        case 2:
            navigator.intoElem();
            break;
        case 3:
            navigator.outOfElem();
            break;
        case 4:
            edited = navigator.addElem(name, value);
            // A new element always reads back as the value it was given.
            check(!edited || navigator.getData() == value);
            break;
        case 5:
            edited = navigator.addChildElem(name, value);
            check(!edited || navigator.getChildData() == value);
            break;
        case 6:
            edited = navigator.setAttrib(name, value);
            break;
        default:
            navigator.findChildElem(name);
            navigator.findElem(name);
            break;
    }
    check(edited || navigator.getDoc() == before);
    check(!edited || isWritableName(name));
    return edited;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::size_t scriptSize = std::min<std::size_t>(data[0] % 8, size - 1);
    const std::uint8_t* const script = data + 1;
    const std::string_view doc(reinterpret_cast<const char*>(script + scriptSize),
                               size - 1 - scriptSize);

    CXmlNavigator navigator;
    const bool indexed = navigator.setDoc(doc);
    check(navigator.getDoc() == doc);
    readEverything(navigator);
    check(navigator.findElem() == indexed);
    if (!indexed) {
        check(!navigator.findChildElem());
    }
    navigator.resetPos();

    for (std::size_t i = 0; i < scriptSize; ++i) {
        const bool edited = runStep(navigator, script[i]);
        readEverything(navigator);
        // An index kept up to date in place must agree with indexing the new text afresh.
        if (edited && indexed) {
            CXmlNavigator fresh;
            check(fresh.setDoc(navigator.getDoc()));
            check(outline(fresh) == outline(navigator));
        }
    }
    return 0;
}
