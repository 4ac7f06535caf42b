#include "scan/disc_insertion.h"

#include "app/catalogue_document.h"
#include "core/user_prompt.h"
#include "scan/scan_request.h"

namespace vorlix {

namespace {

void addToCatalogue(CQX2Doc& document, std::unique_ptr<CQXDisc> disc) {
    const CQXDisc& added = *disc;
    document.catalogue().appendDisc(std::move(disc));
    document.setCurrentDisc(added);
    document.setModified();
}

}  // namespace

void insertDisc(CQX2Doc& document, std::unique_ptr<CQXDisc> disc, bool autoSave,
                UserPrompt& prompt) {
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

void addBlankDisc(CQX2Doc& document) {
    if (!document.checkOwner()) {
        return;
    }
    addToCatalogue(document, makeBlankDisc(document.catalogue(), document.currentDisc()));
}

}  // namespace vorlix
