#include "support/sample_catalogue.h"

namespace vorlix::test {

namespace {

std::unique_ptr<CQXDisc> sampleDisc(const std::string& number, const std::string& name) {
    auto disc = std::make_unique<CQXDisc>();
    disc->setNumber(number);
    disc->setQuality("good");
    disc->setInfo("<info>\r\n<notes>Caf\u00E9 &amp; more</notes>\r\n</info>\r\n");
    disc->setArtist("Beyonc\u00E9");
    disc->setName(name);
    disc->setLocation("home");
    disc->setDate("March 05 2004");
    disc->setOutline(number + " " + name + "\r\n\tdocs\r\n\t\told\r\n\tmusic\r\n");
    disc->setOwnerName("anna");
    disc->setOwnerDigest("0cc175b9c0f1b6a831c399e269772661");
    disc->setShared("Yes");
    disc->setSerial("-392039741");
    disc->setSize("12.500");
    return disc;
}

}  // namespace

CQXCatalog sampleCatalogue() {
    CQXCatalog catalogue;
    catalogue.addDefaultNamedObjects();

    auto first = sampleDisc("1", "BACKUP");
    first->setCategories({"Software", "Backups"});
    first->files.emplace_back("Budget.xls", "d:\\docs\\", "48128", "d:");
    first->files.emplace_back("Thesis.doc", "d:\\docs\\old\\", "-2147483648", "d:");
    first->files.back().setCategories({"Work"});
    first->files.emplace_back("\u65E5\u672C\u8A9E.mp3", "d:\\music\\", "5242880", "d:");
    catalogue.appendDisc(std::move(first));

    auto second = sampleDisc("2", "LENT \u20AC");
    second->setLocation("Maria");
    second->setLendDate("June 14 2004");
    second->setShared("No");
    second->setOutline(std::string(second->outline()) + std::string(300, 'o') + "\r\n");
    catalogue.appendDisc(std::move(second));

    auto third = sampleDisc("10", "");
    third->files.emplace_back("", "", "", "");
    catalogue.appendDisc(std::move(third));

    catalogue.categories = {"Audio", "DVD", "Software", "Work", "Backups"};
    std::get<StringList>(*catalogue.named.find("SearchCombo")).items = {"beach", "mp3"};
    std::get<StringList>(*catalogue.named.find("LendCombo")).items = {"Maria"};
    catalogue.named.set("CD1", ByteArray{{0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10}});
    catalogue.named.set("CD10", ByteArray{std::vector<std::uint8_t>(300, 0x5A)});
    return catalogue;
}

std::unique_ptr<CQXDisc> variedDisc(std::size_t number, std::size_t entries) {
    auto disc = std::make_unique<CQXDisc>();
    disc->setNumber(std::to_string(number));
    disc->setName("DISC " + std::to_string(number));
    disc->setOutline(std::string(number % 7 == 0 ? 70000 : 20, 'o'));
    for (std::size_t i = 0; i < entries; ++i) {
        const std::string id = std::to_string(number) + "." + std::to_string(i);
        const std::string name = i % 13 == 0    ? "caf\u00E9 " + id
                                 : i % 17 == 0  ? "\u65E5\u672C " + id
                                 : i % 101 == 0 ? std::string(300, 'l') + id
                                 : i % 19 == 0  ? std::string()
                                                : "IMG_" + id + ".jpg";
        CQXFileData& entry = disc->files.emplace_back(name, "d:\\f" + std::to_string(i / 40) + "\\",
                                                      std::to_string(i * 3), "d:");
        if (i % 50 == 0) {
            entry.setCategories({"Work", "Audio"});
        }
        if (i % 10 == 0) {
            entry.setDiscNumber("17");
        }
    }
    return disc;
}

}  // namespace vorlix::test
