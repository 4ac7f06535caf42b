#include "scan/disc_insertion.h"

#include "app/catalogue_document.h"
#include "core/user_prompt.h"
#include "scan/scan_request.h"

namespace vorlix {

namespace {

// A scan's number is fixed when its dialog opens, and a disc renumbered in the tree meanwhile
// may have taken it; two discs with one number could not both be found.
void takeFreeNumber(const CQXCatalog& catalogue, CQXDisc& disc, UserPrompt& prompt) {
    if (!catalogue.discExists(disc.number())) {
        return;
    }
    const std::string taken(disc.number());
    disc.setNumber(nextDiscNumber(catalogue));
    if (std::string outline(disc.outline()); outline.starts_with(taken + " ")) {
        disc.setOutline(outline.replace(0, taken.size(), disc.number()));
    }
    prompt.message(numberTakenMessage(taken, std::string(disc.number())), MessageIcon::Information);
}

void addToCatalogue(CQX2Doc& document, std::unique_ptr<CQXDisc> disc) {
    const CQXDisc& added = *disc;
    document.catalogue().appendDisc(std::move(disc));
    document.setCurrentDisc(added);
    document.setModified();
}

}  // namespace

void insertDisc(CQX2Doc& document, std::unique_ptr<CQXDisc> disc, bool autoSave,
                UserPrompt& prompt) {
    takeFreeNumber(document.catalogue(), *disc, prompt);
    addToCatalogue(document, std::move(disc));
    if (!autoSave) {
        return;
    }
    // Written after the disc has entered the catalogue and on this thread, so the file holds
    // the scan it is meant to keep safe and nothing changes the catalogue while it is written.
    if (document.path().empty()) {
        prompt.message(kSaveCdMessage);
        return;
    }
    // A failed save has been reported; the disc stays in the catalogue, which stays modified,
    // so the next save offers it again.
    static_cast<void>(document.saveDocument(document.path()));
}

std::string numberTakenMessage(const std::string& taken, const std::string& given) {
    return "The disc number " + taken +
           " was given to another disc during the scan; the new disc has the number " + given + ".";
}

void addBlankDisc(CQX2Doc& document, UserPrompt& prompt) {
    if (document.scanInProgress()) {
        prompt.message(kScanRunningMessage);
        return;
    }
    if (!document.checkOwner()) {
        return;
    }
    addToCatalogue(document, makeBlankDisc(document.catalogue(), document.currentDisc()));
}

}  // namespace vorlix
