// The compact containers of the model keep small contents inside the object and larger ones in
// a block; every operation must give the same answers on both sides of that line and across it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/compact_text.h"
#include "core/file_entries.h"
#include "core/packed_text.h"
#include "core/text_list.h"

namespace vorlix {
namespace {

using Texts = std::vector<std::string>;

const Texts kLists[] = {
    {},
    {""},
    {"Audio"},
    {"Movie!"},                    // seven bytes with its length: the most kept in the object
    {"Movies!"},                   // eight: the first that needs a block
    {"", "", "", "", "", "", ""},  // seven empty texts
    {"", "", "", "", "", "", "", ""},
    {"a", "bc", "def"},
    {std::string(127, 'x'), std::string(128, 'y'), ""},  // one and two length bytes
    {std::string(70000, 'z'), "tail"},
};

TEST(TextListTest, AnyListReadsBackThroughEveryOperation) {
    for (const Texts& texts : kLists) {
        SCOPED_TRACE(texts.size());
        TextList list;
        for (const std::string& text : texts) {
            list.push_back(text);
        }
        EXPECT_EQ(list, texts);
        EXPECT_EQ(list.size(), texts.size());
        EXPECT_EQ(list.empty(), texts.empty());
        for (std::size_t i = 0; i < texts.size(); ++i) {
            EXPECT_EQ(list[i], texts[i]);
            EXPECT_TRUE(list.contains(texts[i]));
        }
        EXPECT_FALSE(list.contains("absent"));

        const TextList built(texts);
        EXPECT_EQ(built, list);
        TextList copy = list;
        list.shrinkToFit();
        EXPECT_EQ(list, texts);
        TextList moved = std::move(copy);
        EXPECT_EQ(moved, texts);
        EXPECT_TRUE(copy.empty());
        copy = moved;
        copy.push_back("more");
        EXPECT_EQ(moved, texts);
        Texts longer = texts;
        longer.push_back("more");
        EXPECT_EQ(copy, longer);

        const std::size_t removed = copy.eraseIf([](std::string_view t) { return t.empty(); });
        std::erase_if(longer, [](const std::string& t) { return t.empty(); });
        EXPECT_EQ(copy, longer);
        EXPECT_EQ(removed, texts.size() + 1 - longer.size());
        copy.clear();
        EXPECT_TRUE(copy.empty());
        EXPECT_EQ(copy.begin(), copy.end());
    }
}

TEST(CompactTextTest, KeepsAnyTextOnBothSidesOfTheInlineSize) {
    for (const std::string& text :
         {std::string(), std::string("a"), std::string("1234567"), std::string("12345678"),
          std::string("a\0b", 3), std::string(300, 'q')}) {
        SCOPED_TRACE(text.size());
        CompactText compact(text);
        EXPECT_EQ(compact.view(), text);
        EXPECT_EQ(compact.size(), text.size());
        CompactText copy = compact;
        CompactText moved = std::move(compact);
        EXPECT_EQ(moved, text);
        EXPECT_EQ(copy, text);
        EXPECT_TRUE(compact.empty());
        copy += "!";
        EXPECT_EQ(copy.str(), text + "!");
        moved = copy;
        EXPECT_EQ(moved, copy);
    }
}

// Entries read from a file sit in one block with their texts; entries added later go after them,
// and no entry moves while the list grows.
TEST(FileEntriesTest, EntriesReadAndAddedStayInOrderAndInPlace) {
    std::string blocks;
    std::vector<FileEntries::ReadEntry> read(3);
    for (std::size_t i = 0; i < read.size(); ++i) {
        read[i].own = blocks.size();
        packed_text::append(blocks, "read" + std::to_string(i));
        packed_text::append(blocks, "1");
        packed_text::append(blocks, "0");
        if (blocks.size() % 2 != 0) {
            blocks.push_back('\0');
        }
    }
    read[1].place = blocks.size();
    packed_text::append(blocks, "d:\\a\\");
    packed_text::append(blocks, "d:");
    read[2].categories.push_back("Work");

    FileEntries entries;
    entries.appendRead(blocks, read);
    const CQXFileData* first = &entries[0];
    for (int i = 0; i < 100; ++i) {
        entries.emplace_back("added" + std::to_string(i), "d:\\b\\", "2", "d:");
    }
    std::vector<FileEntries::ReadEntry> more(1);
    more[0].own = 0;
    entries.appendRead(std::string_view("\x04last\x01"
                                        "3\x01"
                                        "0",
                                        9),
                       more);

    ASSERT_EQ(entries.size(), 104u);
    EXPECT_EQ(&entries[0], first);
    EXPECT_EQ(entries[1].folder(), "d:\\a\\");
    EXPECT_EQ(entries[2].folder(), "");
    EXPECT_EQ(entries[2].categories(), Texts{"Work"});
    EXPECT_EQ(entries[50].name(), "added47");
    EXPECT_EQ(entries.back().name(), "last");
    EXPECT_EQ(entries.back().size(), "3");
    std::vector<std::string> names;
    for (const CQXFileData& entry : entries) {
        names.emplace_back(entry.name());
    }
    EXPECT_EQ(names.front(), "read0");
    EXPECT_EQ(names[3], "added0");
    EXPECT_EQ(names.back(), "last");

    FileEntries taken = std::move(entries);
    EXPECT_EQ(&taken[0], first);
    EXPECT_TRUE(entries.empty());
    EXPECT_EQ(entries.begin(), entries.end());
}

// Texts added one by one share the list's storage; one larger than the block in use, or than any
// block the storage has made so far, must still get room of its own.
TEST(FileEntriesTest, AddedEntriesKeepTextsOfAnyLength) {
    const std::size_t lengths[] = {0, 1, 200, 300, 3000, 17000, 70000, 5, 254, 255, 256};
    FileEntries entries;
    for (std::size_t i = 0; i < std::size(lengths); ++i) {
        entries.emplace_back(std::string(lengths[i], static_cast<char>('a' + i)),
                             std::string(lengths[i], static_cast<char>('A' + i)), "1", "d:");
    }
    for (std::size_t i = 0; i < std::size(lengths); ++i) {
        EXPECT_EQ(entries[i].name(), std::string(lengths[i], static_cast<char>('a' + i))) << i;
        EXPECT_EQ(entries[i].folder(), std::string(lengths[i], static_cast<char>('A' + i))) << i;
    }
}

TEST(FileEntriesTest, RemovingEntriesKeepsTheRestWithTheirTextsAndCategories) {
    FileEntries entries;
    for (int i = 0; i < 40; ++i) {
        entries.emplace_back("f" + std::to_string(i), "d:\\x\\", std::to_string(i), "d:")
            .editCategories()
            .push_back("c" + std::to_string(i));
    }
    auto odd = [](const CQXFileData& entry) { return std::stoi(std::string(entry.size())) % 2; };
    EXPECT_EQ(entries.removeIf(odd), 20u);
    ASSERT_EQ(entries.size(), 20u);
    EXPECT_EQ(entries[7].name(), "f14");
    EXPECT_EQ(entries[7].folder(), "d:\\x\\");
    EXPECT_EQ(entries[7].categories(), Texts{"c14"});
    EXPECT_EQ(entries.removeIf(odd), 0u);
    EXPECT_EQ(entries.size(), 20u);
}

}  // namespace
}  // namespace vorlix
