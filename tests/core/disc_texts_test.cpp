// A disc keeps its fourteen texts together; whatever one of them is set to, long, short or
// empty, every text must read back as it was set and go through the file unchanged.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/catalog.h"
#include "core/catalog_format.h"
#include "core/code_page.h"
#include "core/disc.h"

namespace vorlix {
namespace {

const Windows1252 kCodePage;

struct TextField {
    const char* name;
    std::string_view (*get)(const DiscTexts&);
    void (*set)(DiscTexts&, std::string_view);
};

// In the order of the file.
const TextField kFields[] = {
    {"number", [](const DiscTexts& d) { return d.number(); },
     [](DiscTexts& d, std::string_view text) { d.setNumber(text); }},
    {"quality", [](const DiscTexts& d) { return d.quality(); },
     [](DiscTexts& d, std::string_view text) { d.setQuality(text); }},
    {"info", [](const DiscTexts& d) { return d.info(); },
     [](DiscTexts& d, std::string_view text) { d.setInfo(text); }},
    {"artist", [](const DiscTexts& d) { return d.artist(); },
     [](DiscTexts& d, std::string_view text) { d.setArtist(text); }},
    {"name", [](const DiscTexts& d) { return d.name(); },
     [](DiscTexts& d, std::string_view text) { d.setName(text); }},
    {"location", [](const DiscTexts& d) { return d.location(); },
     [](DiscTexts& d, std::string_view text) { d.setLocation(text); }},
    {"date", [](const DiscTexts& d) { return d.date(); },
     [](DiscTexts& d, std::string_view text) { d.setDate(text); }},
    {"lendDate", [](const DiscTexts& d) { return d.lendDate(); },
     [](DiscTexts& d, std::string_view text) { d.setLendDate(text); }},
    {"outline", [](const DiscTexts& d) { return d.outline(); },
     [](DiscTexts& d, std::string_view text) { d.setOutline(text); }},
    {"ownerName", [](const DiscTexts& d) { return d.ownerName(); },
     [](DiscTexts& d, std::string_view text) { d.setOwnerName(text); }},
    {"ownerDigest", [](const DiscTexts& d) { return d.ownerDigest(); },
     [](DiscTexts& d, std::string_view text) { d.setOwnerDigest(text); }},
    {"shared", [](const DiscTexts& d) { return d.shared(); },
     [](DiscTexts& d, std::string_view text) { d.setShared(text); }},
    {"serial", [](const DiscTexts& d) { return d.serial(); },
     [](DiscTexts& d, std::string_view text) { d.setSerial(text); }},
    {"size", [](const DiscTexts& d) { return d.size(); },
     [](DiscTexts& d, std::string_view text) { d.setSize(text); }},
};
static_assert(std::size(kFields) == DiscTexts::kTextCount);

// What one text goes through: long (three length bytes), short, empty, then changed.
const std::string kSteps[] = {std::string(70000, 'L') + "\u20AC", "short", "", "changed \u20AC"};

using Expected = std::vector<std::string>;

// The texts the other fields hold meanwhile: none, or each one its own, of lengths on both
// sides of one length byte.
Expected background(bool filled) {
    Expected texts(DiscTexts::kTextCount);
    if (filled) {
        for (std::size_t i = 0; i < texts.size(); ++i) {
            texts[i] =
                std::string(kFields[i].name) + std::string(i * 20, static_cast<char>('a' + i));
        }
    }
    return texts;
}

void expectTexts(const DiscTexts& disc, const Expected& expected) {
    const DiscTexts::Texts all = disc.texts();
    for (std::size_t i = 0; i < DiscTexts::kTextCount; ++i) {
        SCOPED_TRACE(kFields[i].name);
        EXPECT_EQ(kFields[i].get(disc), expected[i]);
        EXPECT_EQ(all[i], expected[i]);
    }
}

std::unique_ptr<CQXDisc> discWith(const Expected& texts) {
    auto disc = std::make_unique<CQXDisc>();
    for (std::size_t i = 0; i < DiscTexts::kTextCount; ++i) {
        kFields[i].set(*disc, texts[i]);
    }
    disc->editCategories().push_back("Audio");
    return disc;
}

// Writes the disc in a catalogue, reads it back and writes it again.
void expectRoundTrip(const CQXDisc& disc, const Expected& expected) {
    CQXCatalog catalogue;
    catalogue.discs.push_back(std::make_unique<CQXDisc>());
    static_cast<DiscTexts&>(*catalogue.discs.back()) = disc;
    const std::string bytes = writeCatalogue(catalogue, kCodePage);

    CQXCatalog read;
    MemorySource source(bytes);
    readCatalogue(source, kCodePage, read);
    ASSERT_EQ(read.discs.size(), 1u);
    expectTexts(*read.discs[0], expected);
    EXPECT_EQ(read.discs[0]->categories(), TextList{"Audio"});
    EXPECT_EQ(writeCatalogue(read, kCodePage), bytes);
}

TEST(DiscTextsTest, EachTextReadsBackAndRoundTripsWhateverItIsSetTo) {
    for (bool filled : {false, true}) {
        for (std::size_t field = 0; field < DiscTexts::kTextCount; ++field) {
            SCOPED_TRACE(std::string(kFields[field].name) + (filled ? " among texts" : " alone"));
            Expected expected = background(filled);
            auto disc = discWith(expected);
            for (const std::string& step : kSteps) {
                SCOPED_TRACE(step.size());
                kFields[field].set(*disc, step);
                expected[field] = step;
                expectTexts(*disc, expected);
                expectRoundTrip(*disc, expected);
            }
        }
    }
}

TEST(DiscTextsTest, SetTextsReplacesAllAtOnce) {
    CQXDisc disc;
    const Expected first = background(true);
    DiscTexts::Texts texts;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        texts[i] = first[i];
    }
    disc.setTexts(texts);
    expectTexts(disc, first);
    disc.setTexts({});
    expectTexts(disc, background(false));
}

TEST(DiscTextsTest, ATextSetFromAnotherOfTheSameDiscArrivesWhole) {
    auto disc = discWith(background(true));
    const std::string outline(disc->outline());
    disc->setName(disc->outline());
    EXPECT_EQ(disc->name(), outline);
    EXPECT_EQ(disc->outline(), outline);
    disc->setOutline(disc->outline().substr(3));
    EXPECT_EQ(disc->outline(), outline.substr(3));
}

TEST(DiscTextsTest, CopiesAndMovesKeepTheTextsAndStayApart) {
    const Expected texts = background(true);
    auto original = discWith(texts);

    DiscTexts copy = *original;
    expectTexts(copy, texts);
    copy.setArtist("only the copy");
    copy.editCategories().push_back("Movie");
    expectTexts(*original, texts);
    EXPECT_EQ(original->categories(), TextList{"Audio"});

    DiscTexts assigned;
    assigned.setNumber("overwritten");
    assigned = *original;
    expectTexts(assigned, texts);

    DiscTexts moved = std::move(assigned);
    expectTexts(moved, texts);
    DiscTexts movedInto;
    movedInto.setName("overwritten");
    movedInto = std::move(moved);
    expectTexts(movedInto, texts);
    EXPECT_EQ(movedInto.categories(), TextList{"Audio"});

    DiscTexts cleared = *original;
    cleared = DiscTexts{};
    expectTexts(cleared, background(false));
    EXPECT_TRUE(cleared.categories().empty());
}

}  // namespace
}  // namespace vorlix
