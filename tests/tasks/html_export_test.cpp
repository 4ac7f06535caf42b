#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "core/catalog.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"
#include "tasks/html_export/database_export.h"
#include "tasks/html_export/html_export_file.h"
#include "tasks/html_export/html_text.h"
#include "tasks/html_export/search_export.h"

namespace vorlix {
namespace {

// The head both pages share, from "</title>" to the opening of the first paragraph's span.
std::string sharedHead(const std::string& kind) {
    return "</title>\n"
           "<meta http-equiv='Content-Type' content='text/html; charset=iso-8859-1'>\n"
           "<style type='text/css'>\n<!--\n"
           ".thinBorder {\n"
           "font-family: Verdana, Arial, Helvetica, sans-serif;\n"
           "font-size: 16px;\nfont-weight: bolder;\nfont-variant: normal;\n"
           "border: 1px solid #000000;\nbackground-color: #CFE1EF;\n}\n"
           ".thickBorder {\n"
           "font-family: Verdana, Arial, Helvetica, sans-serif;\n"
           "font-size: 14px;\nfont-weight: bold;\nborder-top: 1px none #000000;\n"
           "border-right: 1px solid #CCCCCC;\nborder-bottom: 1px dashed #CCCCCC;\n"
           "border-left: 1px none #000000;\nbackground-color: #FBFBFB;\n}\n"
           ".categories {\n"
           "font-family: Verdana, Arial, Helvetica, sans-serif;\n"
           "font-size: 12px;\nborder-top-width: 1px;\nborder-right-width: 1px;\n"
           "border-bottom-width: 1px;\nborder-left-width: 1px;\nborder-bottom-style: solid;\n"
           "border-left-style: none;\nborder-top-color: #CCCCCC;\nborder-right-color: #CCCCCC;\n"
           "border-bottom-color: #CCCCCC;\nborder-left-color: #CCCCCC;\n"
           "border-right-style: solid;\n}\n"
           ".attention {\n"
           "font-family: Verdana, Arial, Helvetica, sans-serif;\n"
           "font-size: 14px;\nfont-weight: bold;\nborder: 1px solid #CCCCCC;\n}\n"
           "-->\n</style>\n<style type='text/css'>\n<!--\n"
           ".title {\n"
           "font-family: Verdana, Arial, Helvetica, sans-serif;\n"
           "font-size: 16px;\nfont-weight: bolder;\nborder-top-width: 1px;\n"
           "border-right-width: 1px;\nborder-bottom-width: 1px;\nborder-left-width: 1px;\n"
           "border-top-style: solid;\nborder-right-style: solid;\nborder-bottom-style: solid;\n"
           "border-left-style: none;\nborder-top-color: #000000;\nborder-right-color: #000000;\n"
           "border-bottom-color: #000000;\nborder-left-color: #000000;\n"
           "background-color: #DFEBF4;\n}\n"
           "-->\n</style>\n</head>\n<body>\n"
           "<p class='categories'>" +
           kind + " Export: <span class='attention'>&nbsp;";
}

std::string block(const std::string& label, const std::string& name, const std::string& cells,
                  const std::string& categories) {
    return "<table width='99%' border='0' cellpadding='0' cellspacing='0'>\n<tr>\n"
           "<td width='17%' rowspan='3' align='left' class='thinBorder'>" +
           label +
           "</td>\n<td height='23' colspan='3' align='center' bordercolor='1' class='title'> "
           "&quot;" +
           name +
           "&quot;</td>\n</tr>\n<tr>\n<td width='21%' height='28' align='center' "
           "class='thickBorder'>" +
           cells + "</td>\n</tr>\n<tr>\n<td colspan='3' align='center' class='categories'>" +
           categories +
           "</td>\n</tr>\n<tr>\n<td height='28' colspan='4'>&nbsp;</td>\n</tr>\n</table>";
}

std::unique_ptr<CQXDisc> disc(const char* number, const char* name, const char* location,
                              std::vector<std::string> categories) {
    auto made = std::make_unique<CQXDisc>();
    made->setNumber(number);
    made->setName(name);
    made->setLocation(location);
    made->setCategories(TextList(categories));
    return made;
}

TEST(DatabaseExportTest, WritesTheHeadABlockPerDiscInListOrderAndTheSummary) {
    CQXCatalog catalogue;
    catalogue.appendDisc(disc("7", "Holiday", "home", {"Photos", "2004"}));
    catalogue.discs.back()->files.push_back(CQXFileData("a.jpg", "d:\\", "1048576", "d:"));
    catalogue.discs.back()->files.push_back(CQXFileData("b.jpg", "d:\\", "524288", "d:"));
    catalogue.appendDisc(disc("3", "Empty", "Peter", {}));

    const std::string page = databaseExportPage(catalogue, "cds.vrd", "March 05 2004");

    const std::string cells7 =
        "Size: 1.5 MB</td>\n<td width='27%' align='center' class='thickBorder'>Files: 2<br></td>\n"
        "<td width='35%' align='center' class='thickBorder'>Location: home";
    const std::string cells3 =
        "Size: 0.0 MB</td>\n<td width='27%' align='center' class='thickBorder'>Files: 0<br></td>\n"
        "<td width='35%' align='center' class='thickBorder'>Location: Peter";
    EXPECT_EQ(page, "<html>\n<head>\n<title>Database Export: cds.vrd" + sharedHead("Database") +
                        "cds.vrd </span> &nbsp; March 05 2004</p>\n" +
                        block("CD # 7", "Holiday", cells7, "Photos, 2004") +
                        block("CD # 3", "Empty", cells3, "") +
                        "<p class='categories'>Summary: &nbsp;<span class='attention'>&nbsp;2 "
                        "CDs </span></p>\n</body>\n</html>");
}

TEST(DatabaseExportTest, AnEmptyCatalogueGivesTheHeadAndASummaryOfNoDiscs) {
    const std::string page = databaseExportPage(CQXCatalog{}, "Untitled", "May 01 2026");
    EXPECT_EQ(page, "<html>\n<head>\n<title>Database Export: Untitled" + sharedHead("Database") +
                        "Untitled </span> &nbsp; May 01 2026</p>\n"
                        "<p class='categories'>Summary: &nbsp;<span class='attention'>&nbsp;0 "
                        "CDs </span></p>\n</body>\n</html>");
}

TEST(DatabaseExportTest, DiscSizesAddTheUnsignedSizesOfTheFiles) {
    struct Case {
        std::vector<const char*> sizes;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {{}, "0.0"},
        {{"1536"}, "0.0"},
        {{"104857"}, "0.1"},
        {{"-1294967296"}, "2861.0"},  // a file of 3,000,000,000 bytes
        {{"1048576", "1048576", "2097152"}, "4.0"},
    };
    for (const Case& c : cases) {
        CQXDisc made;
        for (const char* size : c.sizes) {
            made.files.push_back(CQXFileData("f", "d:\\", size, "d:"));
        }
        EXPECT_EQ(exportedDiscSize(made), c.expected) << c.sizes.size();
    }
}

TEST(HtmlTextTest, EscapesMarkupAndWritesEveryOtherCharacterBeyondAsciiAsAReference) {
    EXPECT_EQ(htmlText("Tom & Jerry"), "Tom &amp; Jerry");
    EXPECT_EQ(htmlText("<b>&\"'"), "&lt;b&gt;&amp;&quot;&#39;");
    EXPECT_EQ(htmlText("caf\xC3\xA9 \xE2\x82\xAC"), "caf&#233; &#8364;");
    EXPECT_EQ(htmlText("a\xFF"
                       "b"),
              "a&#65533;b");
}

TEST(SearchExportTest, FileResultsAreNumberedFromOneWithSizeAndType) {
    const std::vector<SearchExportRow> rows = {{"song", "3.210 MB", "MP3", ""},
                                               {"R&B", "0.001 MB", "", ""}};
    const std::string page = searchExportPage(rows, false, "cds.vrd", "June 30 2026");
    const auto cells = [](const std::string& size, const std::string& type) {
        return "Size: " + size +
               "</td>\n<td width='27%' align='center' class='thickBorder'>Type: " + type +
               "</td>\n<td width='35%' align='center' class='thickBorder'>&nbsp;";
    };
    EXPECT_EQ(page, "<html>\n<head>\n<title>Search Results: 2 Files in cds.vrd" +
                        sharedHead("Search") + "cds.vrd </span> &nbsp; June 30 2026</p>\n" +
                        block("Match # 1", "song", cells("3.210 MB", "MP3"), "") +
                        block("Match # 2", "R&amp;B", cells("0.001 MB", ""), "") +
                        "<p class='categories'>Summary: &nbsp;<span class='attention'>&nbsp;2 "
                        "Files </span></p>\n</body>\n</html>");
}

TEST(SearchExportTest, DiscResultsShowTheLocationAndCountCds) {
    const std::vector<SearchExportRow> rows = {{"Holiday", "", "", "home"}};
    const std::string page = searchExportPage(rows, true, "cds.vrd", "June 30 2026");
    const std::string cells =
        "&nbsp;</td>\n<td width='27%' align='center' class='thickBorder'>Location: home "
        "</td>\n<td width='35%' align='center' class='thickBorder'>&nbsp;";
    EXPECT_EQ(page, "<html>\n<head>\n<title>Search Results: 1 CDs in cds.vrd" +
                        sharedHead("Search") + "cds.vrd </span> &nbsp; June 30 2026</p>\n" +
                        block("Match # 1", "Holiday", cells, "") +
                        "<p class='categories'>Summary: &nbsp;<span class='attention'>&nbsp;1 "
                        "CDs </span></p>\n</body>\n</html>");
}

TEST(HtmlExportFileTest, AddsHtmlOnlyWhenThePathHasNoDotAtAll) {
    EXPECT_EQ(htmlExportPath("/exports/cds"), "/exports/cds.html");
    EXPECT_EQ(htmlExportPath("/my.files/cds"), "/my.files/cds");
    EXPECT_EQ(htmlExportPath("/exports/cds.htm"), "/exports/cds.htm");
}

TEST(HtmlExportFileTest, WritesThePageWhereTheUserChoseWithTheHtmlTypeOffered) {
    test::TempDir folder;
    test::ScriptedPrompt prompt;
    prompt.files.push_back(folder.file("cds"));
    const auto written = HtmlExportFile(prompt).save([] { return std::string("<html></html>"); });
    ASSERT_EQ(written, folder.file("cds.html"));
    EXPECT_EQ(test::readFile(folder.file("cds.html")), "<html></html>");
    ASSERT_EQ(prompt.fileRequests.size(), 1u);
    EXPECT_EQ(prompt.fileRequests[0].filter, "(*.html)|*.html||");
    EXPECT_TRUE(prompt.fileRequests[0].overwritePrompt);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST(HtmlExportFileTest, CancelMakesNoPage) {
    test::ScriptedPrompt prompt;
    prompt.files.push_back(std::nullopt);
    bool made = false;
    EXPECT_FALSE(HtmlExportFile(prompt).save([&] {
        made = true;
        return std::string();
    }));
    EXPECT_FALSE(made);
}

TEST(HtmlExportFileTest, AFileThatCannotBeWrittenIsReported) {
    test::TempDir folder;
    test::ScriptedPrompt prompt;
    prompt.files.push_back(folder.file("missing/cds.html"));
    EXPECT_FALSE(HtmlExportFile(prompt).save([] { return std::string("page"); }));
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].icon, MessageIcon::Stop);
    EXPECT_FALSE(prompt.shown[0].text.empty());
}

// A real HTML parser reads the names back exactly as the catalogue holds them.
TEST(HtmlExportParseTest, NamesWithMarkupCharactersReadBackUnchanged) {
    const std::vector<std::string> names = {"<b>&\"'", "Tom & Jerry", "<script>x</script>",
                                            "caf\xC3\xA9 \xE2\x82\xAC"};
    CQXCatalog catalogue;
    for (std::size_t i = 0; i < names.size(); ++i) {
        catalogue.appendDisc(
            disc(std::to_string(i + 1).c_str(), names[i].c_str(), names[i].c_str(), {names[i]}));
    }
    test::TempDir folder;
    const std::string page = folder.file("page.html");
    test::writeFile(page, databaseExportPage(catalogue, "<b>&\"'.vrd", "May 01 2026"));
    const std::string out = folder.file("texts.txt");
    const std::string command = std::string(VORLIX_PYTHON) + " " + VORLIX_SOURCE_DIR +
                                "/tests/tasks/html_texts.py " + page + " > " + out;
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    std::string expected = "title: Database Export: <b>&\"'.vrd\n";
    for (const std::string& name : names) {
        expected += "name:  \"" + name + "\"\n";
        expected += "location: Location: " + name + "\n";
        expected += "categories: " + name + "\n";
    }
    EXPECT_EQ(test::readFile(out), expected);
}

}  // namespace
}  // namespace vorlix
