#include "core/disc_info.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace vorlix::disc_info {
namespace {

const std::string kAudioRecord =
    "<info>\r\n<mtoc>150 24956 47432 83</mtoc>\r\n<cddb>no</cddb>\r\n<notes/>\r\n</info>\r\n";
const std::string kDataRecord = "<info>\r\n<notes/>\r\n</info>\r\n";
const std::string kPricedRecord =
    "<info>\r\n<notes>n</notes>\r\n<price date=\"June 01, 2004\">\r\n<new>$12.99</new>\r\n"
    "<used>$4.50</used>\r\n</price>\r\n<ASIN>B000002UAL</ASIN>\r\n<mode>dvd</mode>\r\n</info>\r\n";

TEST(DiscInfoScan, BuildsTheInitialRecords) {
    EXPECT_EQ(scannedAudioRecord("150 24956 47432 83"), kAudioRecord);
    EXPECT_EQ(scannedDataRecord(), kDataRecord);
}

struct NotesCase {
    std::string record;
    std::string notes;
};

class DiscInfoReadNotes : public testing::TestWithParam<NotesCase> {};

TEST_P(DiscInfoReadNotes, ReadsTheNotesChildOrTheWholeText) {
    EXPECT_EQ(readNotes(GetParam().record), GetParam().notes);
}

INSTANTIATE_TEST_SUITE_P(
    Records, DiscInfoReadNotes,
    testing::Values(
        NotesCase{kDataRecord, ""}, NotesCase{kAudioRecord, ""},
        NotesCase{"<info>\r\n<notes>a &lt; b\r\nline 2</notes>\r\n</info>", "a < b\r\nline 2"},
        NotesCase{"<info><notes><![CDATA[<raw>]]></notes></info>", "<raw>"},
        NotesCase{"Old plain notes", "Old plain notes"}, NotesCase{"", ""},
        NotesCase{"<info>\r\n<cddb>no</cddb>\r\n</info>", "<info>\r\n<cddb>no</cddb>\r\n</info>"},
        NotesCase{"<other><notes>x</notes></other>", "<other><notes>x</notes></other>"},
        NotesCase{"<info><notes>x</info>", "<info><notes>x</info>"}));

TEST(DiscInfoRead, MediaTagAndFreedbStateOfTheRoot) {
    const ChildValue tag = readMediaTag(kAudioRecord);
    EXPECT_TRUE(tag.exists);
    EXPECT_EQ(tag.value, "150 24956 47432 83");
    const ChildValue state = readFreedbState(kAudioRecord);
    EXPECT_TRUE(state.exists);
    EXPECT_EQ(state.value, "no");

    for (const std::string& record : {kDataRecord, std::string("plain"), std::string()}) {
        EXPECT_FALSE(readMediaTag(record).exists) << record;
        EXPECT_FALSE(readFreedbState(record).exists) << record;
    }

    // The root is taken whatever its name; an empty element exists with empty data.
    const ChildValue emptyTag = readMediaTag("<disc><mtoc/><cddb>yes</cddb></disc>");
    EXPECT_TRUE(emptyTag.exists);
    EXPECT_EQ(emptyTag.value, "");
    EXPECT_EQ(readFreedbState("<disc><mtoc/><cddb>yes</cddb></disc>").value, "yes");
}

struct PriceCase {
    std::string record;
    std::string date;
    std::string newPrice;
    std::string usedPrice;
    std::string asin;
};

class DiscInfoPrice : public testing::TestWithParam<PriceCase> {};

TEST_P(DiscInfoPrice, ReadsEachPartOrEmpty) {
    const PriceData price = readPriceData(GetParam().record);
    EXPECT_EQ(price.date, GetParam().date);
    EXPECT_EQ(price.newPrice, GetParam().newPrice);
    EXPECT_EQ(price.usedPrice, GetParam().usedPrice);
    EXPECT_EQ(price.asin, GetParam().asin);
}

INSTANTIATE_TEST_SUITE_P(
    Records, DiscInfoPrice,
    testing::Values(PriceCase{kPricedRecord, "June 01, 2004", "$12.99", "$4.50", "B000002UAL"},
                    PriceCase{kAudioRecord, "", "", "", ""},
                    PriceCase{"plain text", "", "", "", ""},
                    PriceCase{"<info><price><used>$1 &amp; up</used></price><ASIN>A</ASIN></info>",
                              "", "", "$1 & up", "A"},
                    PriceCase{"<info><price date=\"May 02, 2003\"><new>$2</new></price></info>",
                              "May 02, 2003", "$2", "", ""},
                    PriceCase{"<info><notes/><ASIN>A</ASIN></info>", "", "", "", "A"},
                    PriceCase{"<disc><price date=\"d\"><new>1</new></price></disc>", "", "", "",
                              ""}));

struct ModeCase {
    std::string record;
    std::string mode;
    bool portrait;
};

class DiscInfoMode : public testing::TestWithParam<ModeCase> {};

TEST_P(DiscInfoMode, DecidesTheCoverShape) {
    EXPECT_EQ(readMode(GetParam().record), GetParam().mode);
    EXPECT_EQ(hasPortraitCover(GetParam().record), GetParam().portrait);
}

INSTANTIATE_TEST_SUITE_P(
    Records, DiscInfoMode,
    testing::Values(ModeCase{kPricedRecord, "dvd", true},
                    ModeCase{"<info><mode>software</mode></info>", "software", true},
                    ModeCase{"<info><mode>music</mode></info>", "music", false},
                    ModeCase{"<info><mode>classical</mode></info>", "classical", false},
                    ModeCase{"<info><mode/></info>", "", false}, ModeCase{kDataRecord, "", false},
                    ModeCase{"dvd", "", false}));

TEST(DiscInfoStoreNotes, ReplacesTheNotesElementAndNothingElse) {
    const std::string hello = storeNotes(kDataRecord, "Hello").value();
    EXPECT_EQ(hello, "<info>\r\n<notes>Hello</notes>\r\n</info>\r\n");
    const std::string bye = storeNotes(hello, "Bye").value();
    EXPECT_EQ(bye, "<info>\r\n<notes>Bye</notes>\r\n</info>\r\n");
    const std::string cleared = storeNotes(bye, "").value();
    EXPECT_EQ(cleared, "<info>\r\n<notes></notes>\r\n</info>\r\n");
    EXPECT_EQ(storeNotes(cleared, "Again"), "<info>\r\n<notes>Again</notes>\r\n</info>\r\n");

    EXPECT_EQ(storeNotes(kAudioRecord, "Hello"),
              "<info>\r\n<mtoc>150 24956 47432 83</mtoc>\r\n<cddb>no</cddb>\r\n"
              "<notes>Hello</notes>\r\n</info>\r\n");
    EXPECT_EQ(
        storeNotes(kPricedRecord, "m"),
        "<info>\r\n<notes>m</notes>\r\n<price date=\"June 01, 2004\">\r\n<new>$12.99</new>\r\n"
        "<used>$4.50</used>\r\n</price>\r\n<ASIN>B000002UAL</ASIN>\r\n<mode>dvd</mode>\r\n"
        "</info>\r\n");
}

TEST(DiscInfoStoreNotes, RecordWithoutInfoBecomesTheThreeLineForm) {
    for (const char* record : {"Old plain notes", "", "<other/>", "<info><notes>x</info>"}) {
        EXPECT_EQ(storeNotes(record, "New"), "<info>\r\n<notes>New</notes>\r\n</info>") << record;
    }
}

struct OtherFormCase {
    std::string record;
    std::string stored;
};

class DiscInfoStoreNotesOtherForms : public testing::TestWithParam<OtherFormCase> {};

// Notes elements this program never writes are still replaced, and only the notes element.
TEST_P(DiscInfoStoreNotesOtherForms, ReplacesTheNotesElementFound) {
    const std::optional<std::string> stored = storeNotes(GetParam().record, "a<b");
    ASSERT_TRUE(stored.has_value()) << GetParam().record;
    EXPECT_EQ(*stored, GetParam().stored);
    EXPECT_EQ(readNotes(*stored), "a<b");
    EXPECT_EQ(readNotes(storeNotes(*stored, "again").value()), "again");
}

INSTANTIATE_TEST_SUITE_P(
    Forms, DiscInfoStoreNotesOtherForms,
    testing::Values(
        OtherFormCase{"<info>\r\n<notes />\r\n<mode>dvd</mode>\r\n</info>\r\n",
                      "<info>\r\n<notes>a&lt;b</notes>\r\n<mode>dvd</mode>\r\n</info>\r\n"},
        OtherFormCase{"<info><notes\t\r\n/><mode>dvd</mode></info>",
                      "<info><notes>a&lt;b</notes><mode>dvd</mode></info>"},
        OtherFormCase{"<info><notes lang=\"en\"/><mode>dvd</mode></info>",
                      "<info><notes lang=\"en\">a&lt;b</notes><mode>dvd</mode></info>"},
        OtherFormCase{"<info><notes lang='en'>old &amp; gone</notes><mode>dvd</mode></info>",
                      "<info><notes lang='en'>a&lt;b</notes><mode>dvd</mode></info>"},
        OtherFormCase{"<info><notes >old</notes ><mode>dvd</mode></info>",
                      "<info><notes >a&lt;b</notes ><mode>dvd</mode></info>"},
        // The text replacement would change the comment, not the notes.
        OtherFormCase{"<info><!-- <notes>c</notes> --><notes a=\"1\">x</notes></info>",
                      "<info><!-- <notes>c</notes> --><notes a=\"1\">a&lt;b</notes></info>"}));

// A refused record must come back as nothing at all: a caller that stored the same text again
// would report success for notes that were never kept.
TEST(DiscInfoStoreNotes, ANotesElementThatCannotBeChangedIsRefused) {
    for (const char* record :
         {"<info><notes a=\"1\"><b>rich</b></notes><mode>dvd</mode></info>",
          "<info><notes//><mode>dvd</mode></info>",
          "<info><!-- <notes/> --><notes a=\"1\"><b/></notes><mode>dvd</mode></info>"}) {
        EXPECT_EQ(storeNotes(record, "new"), std::nullopt) << record;
    }
}

class DiscInfoStoreNotesEscaped : public testing::TestWithParam<NotesCase> {};

// Every way of storing must escape, or the next reading would see markup instead of notes.
TEST_P(DiscInfoStoreNotesEscaped, ReadsBackTheNotesUnchanged) {
    const std::string notes = "a<b & c > d\r\n'quoted' \"text\" </notes><notes/>";
    const std::string stored = storeNotes(GetParam().record, notes).value();
    EXPECT_EQ(stored, GetParam().notes);
    EXPECT_EQ(readNotes(stored), notes);
    const std::string again = storeNotes(stored, notes + "!").value();
    EXPECT_EQ(readNotes(again), notes + "!");
}

INSTANTIATE_TEST_SUITE_P(
    Paths, DiscInfoStoreNotesEscaped,
    testing::Values(
        NotesCase{kDataRecord,
                  "<info>\r\n<notes>a&lt;b &amp; c &gt; d\r\n'quoted' \"text\" "
                  "&lt;/notes&gt;&lt;notes/&gt;</notes>\r\n</info>\r\n"},
        NotesCase{"<info>\r\n<notes>old</notes>\r\n</info>",
                  "<info>\r\n<notes>a&lt;b &amp; c &gt; d\r\n'quoted' \"text\" "
                  "&lt;/notes&gt;&lt;notes/&gt;</notes>\r\n</info>"},
        NotesCase{"<info>\r\n<cddb>no</cddb>\r\n</info>\r\n",
                  "<info>\r\n<cddb>no</cddb>\r\n<notes>a&lt;b &amp; c &gt; d\r\n'quoted' \"text\" "
                  "&lt;/notes&gt;&lt;notes/&gt;</notes>\r\n</info>\r\n"},
        NotesCase{"plain",
                  "<info>\r\n<notes>a&lt;b &amp; c &gt; d\r\n'quoted' \"text\" "
                  "&lt;/notes&gt;&lt;notes/&gt;</notes>\r\n</info>"}));

TEST(DiscInfoFreedbState, SetsYesOrNoAndLeavesTheMediaTag) {
    const std::optional<std::string> looked = setFreedbState(kAudioRecord, true);
    ASSERT_TRUE(looked.has_value());
    EXPECT_EQ(*looked,
              "<info>\r\n<mtoc>150 24956 47432 83</mtoc>\r\n<cddb>yes</cddb>\r\n<notes/>\r\n"
              "</info>\r\n");
    EXPECT_EQ(setFreedbState(*looked, true), looked);
    EXPECT_EQ(setFreedbState(*looked, false), kAudioRecord);
    EXPECT_EQ(setFreedbState(kAudioRecord, false), kAudioRecord);
}

TEST(DiscInfoFreedbState, RecordWithoutStateIsReported) {
    EXPECT_EQ(setFreedbState(kDataRecord, true), std::nullopt);
    EXPECT_EQ(setFreedbState("plain text", false), std::nullopt);
    EXPECT_EQ(setFreedbState("", true), std::nullopt);
}

}  // namespace
}  // namespace vorlix::disc_info
