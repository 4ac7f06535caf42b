#include "scan/scan_request.h"

#include <algorithm>

#include "accounts/identity.h"
#include "app/current_disc.h"
#include "core/catalog.h"
#include "core/numbers.h"

namespace vorlix {

std::string nextDiscNumber(const CQXCatalog& catalogue) {
    // The last number is read as the catalogue reads numbers everywhere, by its leading digits;
    // one that does not read as a positive number (no digits, zero, negative) starts the count
    // again. A number already in use is passed over: a disc is found by its number, and a
    // second disc with the same one could never be reached.
    std::int64_t next = 1;
    if (!catalogue.discs.empty()) {
        next = std::max<std::int64_t>(leadingInt(catalogue.discs.back()->number()), 0) + 1;
    }
    while (catalogue.discExists(decimalText(next))) {
        ++next;
    }
    return decimalText(next);
}

ScanRequest makeScanRequest(const CQXCatalog& catalogue, const Identity& identity,
                            std::string preselectedDrive) {
    ScanRequest request;
    request.preselectedDrive = std::move(preselectedDrive);
    request.discNumber = nextDiscNumber(catalogue);
    request.ownerName = identity.logName;
    request.ownerDigest = identity.passwordDigest;
    for (const auto& disc : catalogue.discs) {
        request.knownSerials.emplace_back(disc->serial());
    }
    return request;
}

std::unique_ptr<CQXDisc> makeBlankDisc(const CQXCatalog& catalogue, const CurrentDisc& current) {
    auto disc = std::make_unique<CQXDisc>();
    disc->setNumber(nextDiscNumber(catalogue));
    disc->setName("Blank Disc");
    disc->setSerial("0");
    disc->setShared("Yes");
    disc->setOwnerName(current.ownerName());
    disc->setOwnerDigest(current.ownerDigest());
    disc->setLocation("home");
    disc->setSize("0.0");
    disc->setOutline(std::string(disc->number()) + " Blank\r\n");
    return disc;
}

}  // namespace vorlix
