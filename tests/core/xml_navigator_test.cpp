#include "core/xml_navigator.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace vorlix {
namespace {

// Describes the elements below the current level by their data and one attribute, in document
// order, so that two navigators can be compared through the public interface alone.
std::string outlineChildren(CXmlNavigator& navigator) {
    std::string result;
    while (navigator.findElem()) {
        result += "(" + navigator.getData() + "|" + navigator.getAttrib("a");
        navigator.intoElem();
        result += outlineChildren(navigator);
        navigator.outOfElem();
        result += ")";
    }
    return result;
}

std::string outline(CXmlNavigator navigator) {
    navigator.resetPos();
    return outlineChildren(navigator);
}

// After an edit the index kept up to date in place must describe the text exactly as indexing the
// text afresh does.
void expectIndexMatchesText(const CXmlNavigator& edited) {
    CXmlNavigator fresh;
    ASSERT_TRUE(fresh.setDoc(edited.getDoc())) << fresh.getError();
    EXPECT_EQ(outline(edited), outline(fresh));
}

TEST(XmlNavigatorExample, ScanOfAudioDiscWritesTheRecordLayout) {
    CXmlNavigator navigator;
    navigator.setDoc({});
    ASSERT_TRUE(navigator.addElem("info"));
    ASSERT_TRUE(navigator.addChildElem("mtoc", "150 24956 47432"));
    ASSERT_TRUE(navigator.addChildElem("cddb", "no"));
    ASSERT_TRUE(navigator.addChildElem("notes", ""));
    EXPECT_EQ(
        navigator.getDoc(),
        "<info>\r\n<mtoc>150 24956 47432</mtoc>\r\n<cddb>no</cddb>\r\n<notes/>\r\n</info>\r\n");
    expectIndexMatchesText(navigator);
}

TEST(XmlNavigatorIndexing, EmptyTextIndexesNothingAndTakesATopLevelElement) {
    CXmlNavigator navigator;
    EXPECT_FALSE(navigator.setDoc(""));
    EXPECT_FALSE(navigator.findElem());
    ASSERT_TRUE(navigator.addElem("info"));
    EXPECT_EQ(navigator.getDoc(), "<info/>\r\n");
    expectIndexMatchesText(navigator);
}

TEST(XmlNavigatorIndexing, NavigatorWithoutDocumentFindsNothing) {
    CXmlNavigator navigator;
    EXPECT_FALSE(navigator.findElem());
    EXPECT_FALSE(navigator.findChildElem());
    EXPECT_FALSE(navigator.intoElem());
    EXPECT_FALSE(navigator.outOfElem());
    EXPECT_FALSE(navigator.addChildElem("a"));
    EXPECT_FALSE(navigator.setAttrib("a", "1"));
    EXPECT_EQ(navigator.getData(), "");
    EXPECT_EQ(navigator.getChildData(), "");
    EXPECT_EQ(navigator.getAttrib("a"), "");
    EXPECT_EQ(navigator.getDoc(), "");
}

struct IndexingErrorCase {
    std::string doc;
    std::string error;
};

class XmlNavigatorIndexingError : public testing::TestWithParam<IndexingErrorCase> {};

TEST_P(XmlNavigatorIndexingError, LeavesNoElementAndKeepsTheText) {
    CXmlNavigator navigator;
    EXPECT_FALSE(navigator.setDoc(GetParam().doc));
    EXPECT_EQ(navigator.getError(), GetParam().error);
    EXPECT_EQ(navigator.getDoc(), GetParam().doc);
    EXPECT_FALSE(navigator.findElem());
    EXPECT_FALSE(navigator.findChildElem());
    EXPECT_FALSE(navigator.addChildElem("a"));
}

INSTANTIATE_TEST_SUITE_P(
    Faults, XmlNavigatorIndexingError,
    testing::Values(IndexingErrorCase{"", "Element tag not found"},
                    IndexingErrorCase{"plain notes, no markup", "Element tag not found"},
                    IndexingErrorCase{"text <", "Abrupt end within tag"},
                    IndexingErrorCase{"<a>text<", "Abrupt end within tag"},
                    IndexingErrorCase{"<'a'/>", "Tag starts with quote"},
                    IndexingErrorCase{"<a><\"b\"/></a>", "Tag starts with quote"},
                    IndexingErrorCase{"<?xml version=\"1.0\"><a/>", "Invalid node"},
                    IndexingErrorCase{"<!-- open --<a/>", "Invalid node"},
                    IndexingErrorCase{"<a><![CDATA[x</a>", "Invalid node"},
                    IndexingErrorCase{"<!DOCTYPE a [ <!ELEMENT a ANY> <a/>", "Invalid node"},
                    IndexingErrorCase{"<a", "End of tag not found"},
                    IndexingErrorCase{"<a><b x='1'", "End of tag not found"},
                    IndexingErrorCase{"<info><notes></info>",
                                      "End tag does not correspond to notes"},
                    IndexingErrorCase{"<a></A>", "End tag does not correspond to a"},
                    IndexingErrorCase{"<a></ab>", "End tag does not correspond to a"},
                    IndexingErrorCase{"<info>text", "End tag of info element not found"},
                    IndexingErrorCase{"<a><b/>", "End tag of a element not found"},
                    IndexingErrorCase{"<info></info", "End tag not completed for element info"},
                    IndexingErrorCase{"<a></a x>", "End tag not completed for element a"}));

TEST(XmlNavigatorIndexing, EndTagWhereAnElementIsExpectedMeansNoElement) {
    CXmlNavigator navigator;
    EXPECT_FALSE(navigator.setDoc("text</info><info/>"));
    EXPECT_FALSE(navigator.findElem());
}

TEST(XmlNavigatorIndexing, ASuccessfulSetDocClearsThePreviousError) {
    CXmlNavigator navigator;
    navigator.setDoc("<a>");
    ASSERT_FALSE(navigator.getError().empty());
    EXPECT_TRUE(navigator.setDoc("<a/>"));
    EXPECT_EQ(navigator.getError(), "");
}

struct IndexedCase {
    std::string doc;
    std::string name;
    std::string data;
};

class XmlNavigatorIndexedDocument : public testing::TestWithParam<IndexedCase> {};

// Other nodes are skipped whole, even when they hold text that looks like tags.
TEST_P(XmlNavigatorIndexedDocument, FindsTheTopLevelElementAndItsData) {
    CXmlNavigator navigator;
    ASSERT_TRUE(navigator.setDoc(GetParam().doc)) << navigator.getError();
    EXPECT_EQ(navigator.getError(), "");
    ASSERT_TRUE(navigator.findElem(GetParam().name));
    EXPECT_EQ(navigator.getData(), GetParam().data);
    EXPECT_FALSE(navigator.findElem()) << "only the first top-level element is indexed";
}

INSTANTIATE_TEST_SUITE_P(
    Documents, XmlNavigatorIndexedDocument,
    testing::Values(IndexedCase{"<a>x</a>", "a", "x"},
                    IndexedCase{"<?xml version=\"1.0\"?>\r\n<a>x</a>\r\n", "a", "x"},
                    IndexedCase{"<!-- <b> --><a>x</a>", "a", "x"},
                    IndexedCase{"<!DOCTYPE a [ <!ENTITY e \"v\"> ]>\r\n<a>x</a>", "a", "x"},
                    IndexedCase{"<a><!-- </a> -->x</a>", "a", "<!-- </a> -->x"},
                    IndexedCase{"<a><?pi </a>?>x</a>", "a", "<?pi </a>?>x"},
                    IndexedCase{"<a><![CDATA[</a>]]></a>", "a", "</a>"},
                    IndexedCase{"notes before <a>x</a> and after <b>y</b> <<", "a", "x"},
                    IndexedCase{"<a/><b/>", "a", ""}, IndexedCase{"<a\tx='1'>x</a >", "a", "x"},
                    IndexedCase{"<a\r\nx=\"1\"/>", "a", ""},
                    IndexedCase{"<Info>x</Info>", "Info", "x"},
                    IndexedCase{"<a x=\"1>x</a>", "a", "x"}));

TEST(XmlNavigatorIndexing, NamesAreComparedCaseSensitively) {
    CXmlNavigator navigator;
    ASSERT_TRUE(navigator.setDoc("<Info><Notes/></Info>"));
    EXPECT_FALSE(navigator.findElem("info"));
    EXPECT_TRUE(navigator.findElem("Info"));
    EXPECT_FALSE(navigator.findChildElem("notes"));
    EXPECT_TRUE(navigator.findChildElem("Notes"));
}

TEST(XmlNavigatorIndexing, DeepAndWideInputsIndexWithoutExhaustingTheStack) {
    constexpr int kDepth = 200000;
    std::string deep;
    for (int i = 0; i < kDepth; ++i) {
        deep += "<a>";
    }
    deep += "x";
    for (int i = 0; i < kDepth; ++i) {
        deep += "</a>";
    }
    CXmlNavigator navigator;
    ASSERT_TRUE(navigator.setDoc(deep));
    ASSERT_TRUE(navigator.findElem("a"));
    int depth = 1;
    while (navigator.findChildElem("a")) {
        navigator.intoElem();
        ++depth;
    }
    EXPECT_EQ(depth, kDepth);
    EXPECT_EQ(navigator.getData(), "x");

    EXPECT_FALSE(navigator.setDoc(deep.substr(0, deep.size() - 4)));
    EXPECT_EQ(navigator.getError(), "End tag of a element not found");

    std::string wide = "<list>";
    for (int i = 0; i < kDepth; ++i) {
        wide += "<item/>";
    }
    wide += "</list>";
    ASSERT_TRUE(navigator.setDoc(wide));
    navigator.findElem();
    int items = 0;
    while (navigator.findChildElem("item")) {
        ++items;
    }
    EXPECT_EQ(items, kDepth);
}

TEST(XmlNavigatorPosition, FindElemWalksTheSiblingsInOrder) {
    CXmlNavigator navigator;
    ASSERT_TRUE(navigator.setDoc(
        "<info>\r\n<price>1</price>\r\n<mode>m</mode>\r\n<price>2</price>\r\n</info>\r\n"));
    ASSERT_TRUE(navigator.findElem("info"));
    ASSERT_TRUE(navigator.intoElem());
    ASSERT_TRUE(navigator.findElem("price"));
    EXPECT_EQ(navigator.getData(), "1");
    ASSERT_TRUE(navigator.findElem("price"));
    EXPECT_EQ(navigator.getData(), "2");
    EXPECT_FALSE(navigator.findElem("price"));
    EXPECT_EQ(navigator.getData(), "2") << "a failed find keeps the position";
    EXPECT_FALSE(navigator.findElem());
}

TEST(XmlNavigatorPosition, FindChildElemFirstSelectsTheTopLevelElement) {
    CXmlNavigator navigator;
    ASSERT_TRUE(navigator.setDoc("<info><notes>a &amp; b</notes></info>"));
    ASSERT_TRUE(navigator.findElem("info"));
    ASSERT_TRUE(navigator.findChildElem("notes"));
    EXPECT_EQ(navigator.getChildData(), "a & b");

    ASSERT_TRUE(navigator.setDoc("<record><mtoc>t</mtoc><cddb>no</cddb></record>"));
    ASSERT_TRUE(navigator.findChildElem("cddb"));
    EXPECT_EQ(navigator.getChildData(), "no");
    EXPECT_FALSE(navigator.findChildElem("mtoc")) << "the search goes on after the current child";
    EXPECT_EQ(navigator.getChildData(), "no");
    EXPECT_EQ(navigator.getData(), "") << "an element with children has no data";
}

TEST(XmlNavigatorPosition, IntoAndOutOfElemMoveTheWholePosition) {
    CXmlNavigator navigator;
    ASSERT_TRUE(navigator.setDoc("<a><b><c>1</c><d>2</d></b><e>3</e></a>"));
    EXPECT_FALSE(navigator.intoElem()) << "needs a current element";
    EXPECT_FALSE(navigator.outOfElem()) << "needs a parent";
    ASSERT_TRUE(navigator.findElem("a"));
    ASSERT_TRUE(navigator.findChildElem("b"));
    ASSERT_TRUE(navigator.intoElem());
    EXPECT_EQ(navigator.getData(), "") << "b has children";
    EXPECT_EQ(navigator.getChildData(), "") << "entering leaves no child";
    ASSERT_TRUE(navigator.findChildElem("d"));
    EXPECT_EQ(navigator.getChildData(), "2");
    ASSERT_TRUE(navigator.intoElem());
    EXPECT_EQ(navigator.getData(), "2");
    EXPECT_FALSE(navigator.findElem()) << "d is the last element in b";
    ASSERT_TRUE(navigator.outOfElem());
    EXPECT_EQ(navigator.getChildData(), "2") << "the element left becomes the child";
    ASSERT_TRUE(navigator.findElem("e"));
    EXPECT_EQ(navigator.getData(), "3");
    EXPECT_EQ(navigator.getChildData(), "");
    ASSERT_TRUE(navigator.outOfElem());
    EXPECT_EQ(navigator.getChildData(), "3");
    EXPECT_FALSE(navigator.outOfElem());
    EXPECT_FALSE(navigator.findElem()) << "the top level holds one element";
}

struct DataCase {
    std::string doc;
    std::string data;
};

class XmlNavigatorData : public testing::TestWithParam<DataCase> {};

TEST_P(XmlNavigatorData, ReadsTheContentOfTheCurrentElementAndChild) {
    CXmlNavigator navigator;
    ASSERT_TRUE(navigator.setDoc(GetParam().doc)) << navigator.getError();
    ASSERT_TRUE(navigator.findElem());
    EXPECT_EQ(navigator.getData(), GetParam().data);

    ASSERT_TRUE(navigator.setDoc("<info>" + GetParam().doc + "</info>"));
    ASSERT_TRUE(navigator.findChildElem());
    EXPECT_EQ(navigator.getChildData(), GetParam().data);
}

INSTANTIATE_TEST_SUITE_P(
    Contents, XmlNavigatorData,
    testing::Values(DataCase{"<notes>\r\nx\r\n</notes>", "\r\nx\r\n"},
                    DataCase{"<notes><![CDATA[a<b]]></notes>", "a<b"},
                    DataCase{"<notes> \r\n\t<![CDATA[a&amp;b]]> tail</notes>", "a&amp;b"},
                    DataCase{"<notes>x<![CDATA[y]]></notes>", "x<![CDATA[y]]>"},
                    DataCase{"<notes><![CDATA[]]></notes>", ""},
                    DataCase{"<n>&lt;&amp;&gt;&apos;&quot;</n>", "<&>'\""},
                    DataCase{"<n>a & b &unknown; &amp;lt; &amp</n>", "a & b &unknown; &lt; &amp"},
                    DataCase{"<n>  </n>", "  "}, DataCase{"<n></n>", ""}, DataCase{"<n/>", ""},
                    DataCase{"<n a='1'/>", ""}, DataCase{"<n>text<c>inner</c>more</n>", ""}));

struct AttribCase {
    std::string doc;
    std::string value;
};

class XmlNavigatorAttrib : public testing::TestWithParam<AttribCase> {};

TEST_P(XmlNavigatorAttrib, ReadsTheQuotedValueAfterTheName) {
    CXmlNavigator navigator;
    ASSERT_TRUE(navigator.setDoc(GetParam().doc)) << navigator.getError();
    ASSERT_TRUE(navigator.findElem());
    EXPECT_EQ(navigator.getAttrib("date"), GetParam().value);

    ASSERT_TRUE(navigator.setDoc("<info>" + GetParam().doc + "</info>"));
    ASSERT_TRUE(navigator.findChildElem());
    EXPECT_EQ(navigator.getChildAttrib("date"), GetParam().value);
    EXPECT_EQ(navigator.getAttrib("date"), "");
}

INSTANTIATE_TEST_SUITE_P(
    StartTags, XmlNavigatorAttrib,
    testing::Values(AttribCase{"<price date=\"May 01, 2004\"/>", "May 01, 2004"},
                    AttribCase{"<price date='May 01, 2004'></price>", "May 01, 2004"},
                    AttribCase{"<price\r\n date = \"x\" >v</price>", "x"},
                    AttribCase{"<price date=May/>", ""},
                    AttribCase{"<price date=May 01></price>", ""}, AttribCase{"<price/>", ""},
                    AttribCase{"<price dates=\"x\" Date=\"y\"/>", ""},
                    AttribCase{"<price a=\"date\" date=\"y\"/>", "y"},
                    AttribCase{"<price date=\"\"/>", ""},
                    AttribCase{"<price date=\"a'b\" x='c\"d'/>", "a'b"},
                    AttribCase{"<price date=\"&lt;&amp;&quot;&apos;&gt;&x;\"/>", "<&\"'>&x;"},
                    AttribCase{"<price x=\"1\" / date=\"y\">v</price>", ""},
                    AttribCase{"<price x=\"1\" ? date=\"y\">v</price>", ""},
                    AttribCase{"<price date=\"1>v</price>", ""}));

struct SetAttribCase {
    std::string doc;
    std::string name;
    std::string value;
    std::string result;
};

class XmlNavigatorSetAttrib : public testing::TestWithParam<SetAttribCase> {};

TEST_P(XmlNavigatorSetAttrib, WritesTheEscapedValue) {
    const SetAttribCase& c = GetParam();
    CXmlNavigator navigator;
    ASSERT_TRUE(navigator.setDoc(c.doc)) << navigator.getError();
    ASSERT_TRUE(navigator.findElem());
    ASSERT_TRUE(navigator.setAttrib(c.name, c.value));
    EXPECT_EQ(navigator.getDoc(), c.result);
    EXPECT_EQ(navigator.getAttrib(c.name), c.value);
    expectIndexMatchesText(navigator);
}

INSTANTIATE_TEST_SUITE_P(
    StartTags, XmlNavigatorSetAttrib,
    testing::Values(
        SetAttribCase{"<price/>", "date", "June 01, 2004", "<price date=\"June 01, 2004\"/>"},
        SetAttribCase{"<price a=\"1\" />", "date", "d", "<price a=\"1\"  date=\"d\"/>"},
        SetAttribCase{"<price>\r\n</price>", "date", "d", "<price date=\"d\">\r\n</price>"},
        SetAttribCase{"<p a=\"1\"><c/></p>", "date", "<&>'\"",
                      "<p a=\"1\" date=\"&lt;&amp;&gt;&apos;&quot;\"><c/></p>"},
        SetAttribCase{"<price date=\"old\"/>", "date", "newer", "<price date=\"newer\"/>"},
        SetAttribCase{"<price date='old value' a='2'>x</price>", "date", "v",
                      "<price date='v' a='2'>x</price>"},
        SetAttribCase{"<price date=\"\"></price>", "date", "v", "<price date=\"v\"></price>"},
        SetAttribCase{"<p a=\"1\"><c a=\"2\"/></p>", "a", "", "<p a=\"\"><c a=\"2\"/></p>"}));

TEST(XmlNavigatorSetAttrib, LaterElementsStayReachableAfterTheTagGrowsOrShrinks) {
    CXmlNavigator navigator;
    ASSERT_TRUE(navigator.setDoc(
        "<info>\r\n<price date=\"a long old date\"/>\r\n<notes>n</notes>\r\n</info>\r\n"));
    ASSERT_TRUE(navigator.findElem("info"));
    ASSERT_TRUE(navigator.setAttrib("a", "1"));
    ASSERT_TRUE(navigator.findChildElem("price"));
    ASSERT_TRUE(navigator.intoElem());
    ASSERT_TRUE(navigator.setAttrib("date", "d"));
    ASSERT_TRUE(navigator.findElem("notes"));
    EXPECT_EQ(navigator.getData(), "n");
    ASSERT_TRUE(navigator.addElem("mode", "dvd"));
    EXPECT_EQ(navigator.getDoc(),
              "<info a=\"1\">\r\n<price date=\"d\"/>\r\n<notes>n</notes>\r\n<mode>dvd</mode>\r\n"
              "</info>\r\n");
    expectIndexMatchesText(navigator);
}

TEST(XmlNavigatorSetAttrib, RefusesWithoutCurrentElementOrWithUnreadableName) {
    const std::string doc = "<info/>";
    CXmlNavigator navigator;
    ASSERT_TRUE(navigator.setDoc(doc));
    EXPECT_FALSE(navigator.setAttrib("date", "d"));
    ASSERT_TRUE(navigator.findElem());
    for (const char* name : {"", "a b", "a=b", "a/", "a>", "<a", "'a", "a\"b", "a?", "a!", "a\\"}) {
        EXPECT_FALSE(navigator.setAttrib(name, "d")) << name;
        EXPECT_FALSE(navigator.addChildElem(name, "d")) << name;
    }
    EXPECT_EQ(navigator.getDoc(), doc);
}

struct InsertCase {
    std::string label;
    std::string doc;
    std::function<void(CXmlNavigator&)> navigate;
    bool asChild;
    std::string value;
    std::string result;
};

void PrintTo(const InsertCase& c, std::ostream* os) {
    *os << c.label;
}

class XmlNavigatorInsert : public testing::TestWithParam<InsertCase> {};

TEST_P(XmlNavigatorInsert, PlacesTheElementAndSelectsIt) {
    const InsertCase& c = GetParam();
    CXmlNavigator navigator;
    navigator.setDoc(c.doc);
    c.navigate(navigator);
    ASSERT_TRUE(c.asChild ? navigator.addChildElem("n", c.value) : navigator.addElem("n", c.value));
    EXPECT_EQ(navigator.getDoc(), c.result);
    EXPECT_EQ(c.asChild ? navigator.getChildData() : navigator.getData(), c.value);
    expectIndexMatchesText(navigator);
}

void selectTop(CXmlNavigator& navigator) {
    navigator.findElem();
}

void selectChildA(CXmlNavigator& navigator) {
    navigator.findChildElem("a");
}

void enterTop(CXmlNavigator& navigator) {
    navigator.findElem();
    navigator.intoElem();
}

void enterTopAtA(CXmlNavigator& navigator) {
    navigator.findChildElem("a");
    navigator.intoElem();
}

void stayAtTopLevel(CXmlNavigator&) {}

INSTANTIATE_TEST_SUITE_P(
    Places, XmlNavigatorInsert,
    testing::Values(
        InsertCase{"after child, before line break and sibling",
                   "<info>\r\n<a/>\r\n<b/>\r\n</info>", selectChildA, true, "v",
                   "<info>\r\n<a/>\r\n<n>v</n>\r\n<b/>\r\n</info>"},
        InsertCase{"after child, before text", "<info><a/> text<b/></info>", selectChildA, true,
                   "v", "<info><a/><n>v</n>\r\n text<b/></info>"},
        InsertCase{"after last child, before parent end tag", "<info>\r\n<a>x</a>\r\n</info>",
                   selectChildA, true, "v", "<info>\r\n<a>x</a>\r\n<n>v</n>\r\n</info>"},
        InsertCase{"after current element", "<info><a/> \t<b/></info>", enterTopAtA, false, "v",
                   "<info><a/> \t<n>v</n>\r\n<b/></info>"},
        InsertCase{"last child after children", "<info>\r\n<a/>\r\n</info>", selectTop, true, "v",
                   "<info>\r\n<a/>\r\n<n>v</n>\r\n</info>"},
        InsertCase{"last child after text", "<info>x</info>", selectTop, true, "v",
                   "<info>x<n>v</n>\r\n</info>"},
        InsertCase{"at level without current element", "<info><a/></info>", enterTop, false, "v",
                   "<info><a/><n>v</n>\r\n</info>"},
        InsertCase{"into parent without content", "<info></info>", selectTop, true, "v",
                   "<info>\r\n<n>v</n>\r\n</info>"},
        InsertCase{"into empty parent", "<info/>\r\n", selectTop, true, "v",
                   "<info>\r\n<n>v</n>\r\n</info>\r\n"},
        InsertCase{"into empty parent with attributes", "<info a=\"1\" />", selectTop, true, "v",
                   "<info a=\"1\" >\r\n<n>v</n>\r\n</info>"},
        InsertCase{"into empty parent entered", "<info/>", enterTop, false, "v",
                   "<info>\r\n<n>v</n>\r\n</info>"},
        InsertCase{"nested, moving the ancestors' end tags", "<a><b><c/></b><d>x</d></a>",
                   [](CXmlNavigator& navigator) {
                       navigator.findChildElem("b");
                       navigator.intoElem();
                       navigator.findChildElem("c");
                   },
                   true, "v", "<a><b><c/><n>v</n>\r\n</b><d>x</d></a>"},
        InsertCase{"top level of empty document", "", stayAtTopLevel, false, "v", "<n>v</n>\r\n"},
        InsertCase{"top level after text", "text", stayAtTopLevel, false, "v", "text<n>v</n>\r\n"},
        InsertCase{"empty value", "<info></info>", selectTop, true, "",
                   "<info>\r\n<n/>\r\n</info>"},
        InsertCase{"value escaped as element text", "<info/>", selectTop, true, "Tom's \"A\" & <B>",
                   "<info>\r\n<n>Tom's \"A\" &amp; &lt;B&gt;</n>\r\n</info>"},
        InsertCase{"value looking like markup", "<info/>", selectTop, true, " <![CDATA[x]]>",
                   "<info>\r\n<n> &lt;![CDATA[x]]&gt;</n>\r\n</info>"}),
    [](const testing::TestParamInfo<InsertCase>& info) { return std::to_string(info.index); });

TEST(XmlNavigatorInsert, ChildAfterTheNewChildFollowsIt) {
    CXmlNavigator navigator;
    ASSERT_TRUE(navigator.setDoc("<info>\r\n<a>1</a>\r\n<b>2</b>\r\n</info>"));
    ASSERT_TRUE(navigator.findChildElem("a"));
    ASSERT_TRUE(navigator.addChildElem("n", "new"));
    ASSERT_TRUE(navigator.findChildElem());
    EXPECT_EQ(navigator.getChildData(), "2");
    ASSERT_TRUE(navigator.addChildElem("m"));
    EXPECT_EQ(navigator.getDoc(),
              "<info>\r\n<a>1</a>\r\n<n>new</n>\r\n<b>2</b>\r\n<m/>\r\n</info>");
    expectIndexMatchesText(navigator);
}

TEST(XmlNavigatorInsert, AmpersandIsStoredEscapedAndApostropheUnchanged) {
    CXmlNavigator navigator;
    ASSERT_TRUE(navigator.setDoc("<info/>"));
    ASSERT_TRUE(navigator.findElem("info"));
    ASSERT_TRUE(navigator.addChildElem("notes", "Rock & Roll's best"));
    EXPECT_NE(navigator.getDoc().find("<notes>Rock &amp; Roll's best</notes>"), std::string::npos);

    CXmlNavigator reader;
    ASSERT_TRUE(reader.setDoc(navigator.getDoc()));
    ASSERT_TRUE(reader.findChildElem("notes"));
    EXPECT_EQ(reader.getChildData(), "Rock & Roll's best");
}

struct RefusedInsertCase {
    std::string label;
    std::string doc;
    std::function<void(CXmlNavigator&)> navigate;
    bool asChild;
};

void PrintTo(const RefusedInsertCase& c, std::ostream* os) {
    *os << c.label;
}

class XmlNavigatorRefusedInsert : public testing::TestWithParam<RefusedInsertCase> {};

TEST_P(XmlNavigatorRefusedInsert, ChangesNothing) {
    const RefusedInsertCase& c = GetParam();
    CXmlNavigator navigator;
    navigator.setDoc(c.doc);
    c.navigate(navigator);
    const std::string before = outline(navigator);
    EXPECT_FALSE(c.asChild ? navigator.addChildElem("n", "v") : navigator.addElem("n", "v"));
    EXPECT_EQ(navigator.getDoc(), c.doc);
    EXPECT_EQ(outline(navigator), before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, XmlNavigatorRefusedInsert,
    testing::Values(
        RefusedInsertCase{"second top-level element", "<info/>", stayAtTopLevel, false},
        RefusedInsertCase{"after the top-level element", "<info/>", selectTop, false},
        RefusedInsertCase{"child without current element", "<info/>", enterTopAtA, true},
        RefusedInsertCase{"child with nothing indexed", "text", stayAtTopLevel, true},
        RefusedInsertCase{"expansion that would still read as empty", "<info//>", selectTop, true}),
    [](const testing::TestParamInfo<RefusedInsertCase>& info) {
        return std::to_string(info.index);
    });

struct SetChildDataCase {
    std::string doc;
    std::string value;
    std::string result;
};

class XmlNavigatorSetChildData : public testing::TestWithParam<SetChildDataCase> {};

// The child keeps its place and its attributes, and everything after it stays reachable.
TEST_P(XmlNavigatorSetChildData, ReplacesTheContentOfTheChild) {
    const SetChildDataCase& c = GetParam();
    CXmlNavigator navigator;
    ASSERT_TRUE(navigator.setDoc(c.doc)) << navigator.getError();
    ASSERT_TRUE(navigator.findChildElem("n"));
    ASSERT_TRUE(navigator.setChildData(c.value));
    EXPECT_EQ(navigator.getDoc(), c.result);
    EXPECT_EQ(navigator.getChildData(), c.value);
    EXPECT_EQ(navigator.getChildAttrib("a"), c.doc.find("a=") == std::string::npos ? "" : "1");
    ASSERT_TRUE(navigator.findChildElem("z"));
    EXPECT_EQ(navigator.getChildData(), "last");
    expectIndexMatchesText(navigator);
    // The parent's end tag moved with the text: a last child goes right before it.
    navigator.resetPos();
    ASSERT_TRUE(navigator.findElem());
    ASSERT_TRUE(navigator.addChildElem("w"));
    EXPECT_TRUE(navigator.getDoc().ends_with("</z><w/>\r\n</i>")) << navigator.getDoc();
}

INSTANTIATE_TEST_SUITE_P(
    Children, XmlNavigatorSetChildData,
    testing::Values(
        SetChildDataCase{"<i><n>old</n><z>last</z></i>", "new", "<i><n>new</n><z>last</z></i>"},
        SetChildDataCase{"<i><n a=\"1\" >\r\nold\r\n</n ><z>last</z></i>", "",
                         "<i><n a=\"1\" ></n ><z>last</z></i>"},
        SetChildDataCase{"<i><n><![CDATA[<x>]]></n><z>last</z></i>", "a & b",
                         "<i><n>a &amp; b</n><z>last</z></i>"},
        SetChildDataCase{"<i><n/><z>last</z></i>", "<v>", "<i><n>&lt;v&gt;</n><z>last</z></i>"},
        SetChildDataCase{"<i><n /><z>last</z></i>", "v", "<i><n>v</n><z>last</z></i>"},
        SetChildDataCase{"<i><n a='1'\r\n/><z>last</z></i>", "v",
                         "<i><n a='1'>v</n><z>last</z></i>"},
        SetChildDataCase{"<i><n/><z>last</z></i>", "", "<i><n></n><z>last</z></i>"}));

TEST(XmlNavigatorSetChildData, RefusesWithoutAChildOrForAChildHoldingElements) {
    for (const char* doc : {"<i><n>x<m/></n><z/></i>", "<i><n//><z/></i>", "<i><m/></i>"}) {
        CXmlNavigator navigator;
        ASSERT_TRUE(navigator.setDoc(doc)) << doc;
        navigator.findElem();
        navigator.findChildElem("n");
        const std::string before = outline(navigator);
        EXPECT_FALSE(navigator.setChildData("v")) << doc;
        EXPECT_EQ(navigator.getDoc(), doc);
        EXPECT_EQ(outline(navigator), before);
    }
}

}  // namespace
}  // namespace vorlix
