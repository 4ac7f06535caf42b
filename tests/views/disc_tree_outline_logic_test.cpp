#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "views/logic/disc_tree_outline.h"

namespace vorlix {
namespace {

// Each item as its text and the index of its parent line, -1 for the disc line.
using Shape = std::vector<std::pair<std::string, int>>;

Shape shapeOf(const std::string& outline) {
    Shape shape;
    for (const OutlineItem& item : parseOutline(outline)) {
        shape.emplace_back(std::string(item.text), item.parent == OutlineItem::kNoParent
                                                       ? -1
                                                       : static_cast<int>(item.parent));
    }
    return shape;
}

struct OutlineCase {
    const char* what;
    std::string outline;
    Shape expected;
};

class OutlineParsing : public testing::TestWithParam<OutlineCase> {};

TEST_P(OutlineParsing, GivesEachFolderItsParent) {
    EXPECT_EQ(shapeOf(GetParam().outline), GetParam().expected) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    DiscTree, OutlineParsing,
    testing::Values(
        OutlineCase{"three levels deep, then back to the top",
                    "12 BACKUP\r\n\tdocs\r\n\t\told\r\n\t\t\tletters\r\n\tmusic\r\n",
                    {{"12 BACKUP", -1}, {"docs", 0}, {"old", 1}, {"letters", 2}, {"music", 0}}},
        OutlineCase{"siblings share the parent of the previous item",
                    "1 A\r\n\tx\r\n\t\ty1\r\n\t\ty2\r\n\t\ty3\r\n",
                    {{"1 A", -1}, {"x", 0}, {"y1", 1}, {"y2", 1}, {"y3", 1}}},
        OutlineCase{"a shallower line climbs several levels to its ancestor",
                    "1 A\r\n\ta\r\n\t\tb\r\n\t\t\tc\r\n\t\td\r\n\te\r\n",
                    {{"1 A", -1}, {"a", 0}, {"b", 1}, {"c", 2}, {"d", 1}, {"e", 0}}},
        OutlineCase{"the disc line's tabs are the base depth",
                    "\t\t7 OLD\r\n\t\t\ta\r\n\t\t\t\tb\r\n\t\t\tc\r\n",
                    {{"7 OLD", -1}, {"a", 0}, {"b", 1}, {"c", 0}}},
        OutlineCase{"text after the last line end is not a folder",
                    "1 A\r\n\tx\r\n\ty",
                    {{"1 A", -1}, {"x", 0}}},
        OutlineCase{"an outline without a line end has no items", "1 A", {}},
        OutlineCase{"a bare line feed does not end a line", "1 A\n\tx\r\n", {{"1 A\n\tx", -1}}},
        OutlineCase{"a line two levels deeper still hangs under the previous item",
                    "1 A\r\n\ta\r\n\t\t\tb\r\n\t\tc\r\n\td\r\n",
                    {{"1 A", -1}, {"a", 0}, {"b", 1}, {"c", 1}, {"d", 0}}},
        OutlineCase{"a line as shallow as the disc line stays under the disc",
                    "\t1 A\r\n\t\ta\r\nb\r\n\tc\r\n",
                    {{"1 A", -1}, {"a", 0}, {"b", 0}, {"c", 0}}},
        OutlineCase{"empty folder names keep their place",
                    "1 A\r\n\t\r\n\t\tx\r\n",
                    {{"1 A", -1}, {"", 0}, {"x", 1}}}));

}  // namespace
}  // namespace vorlix
