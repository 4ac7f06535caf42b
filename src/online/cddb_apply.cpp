#include "online/cddb_apply.h"

#include "core/catalog.h"
#include "core/disc_info.h"
#include "core/user_prompt.h"

namespace vorlix {

CddbApply::CddbApply(CQXCatalog& catalogue, UserPrompt& prompt)
    : m_catalogue(catalogue), m_prompt(prompt) {}

bool CddbApply::apply(std::string_view number, const CddbResults& results,
                      const CddbApplyOptions& options) {
    CQXDisc* disc = m_catalogue.findDisc(number);
    if (disc == nullptr) {
        m_prompt.message(kApplyNoDiscMessage);
        return false;
    }
    if (options.renameDisc) {
        m_catalogue.renameDisc(number, results.album);
    }
    if (options.setArtist) {
        disc->setArtist(artistWithYear(results.artist, results.year));
    }
    bool complete = renameTracks(number, results.rows, options.addTrackLength);
    if (options.assignCategory) {
        assignCategory(number, results.category);
    }
    if (const auto record = disc_info::setFreedbState(disc->info(), true)) {
        disc->setInfo(*record);
    } else {
        m_prompt.message(kApplyNoStateMessage);
        complete = false;
    }
    return complete;
}

bool CddbApply::renameTracks(std::string_view number, const std::vector<CddbTrackRow>& rows,
                             bool addTrackLength) {
    FileEntries& entries = m_catalogue.findDisc(number)->files;
    bool complete = true;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i >= entries.size()) {
            m_prompt.message(kApplyNoEntryMessage);
            complete = false;
            continue;
        }
        entries[i].setName(trackEntryName(rows[i], addTrackLength));
    }
    return complete;
}

void CddbApply::assignCategory(std::string_view number, const std::string& category) {
    if (!m_catalogue.categories.contains(category)) {
        m_catalogue.categories.push_back(category);
    }
    CQXDisc& disc = *m_catalogue.findDisc(number);
    if (!disc.categories().contains(category)) {
        disc.editCategories().push_back(category);
    }
}

std::string artistWithYear(const std::string& artist, const std::string& year) {
    return year.empty() ? artist : artist + " (" + year + ")";
}

std::string trackEntryName(const CddbTrackRow& row, bool addTrackLength) {
    return addTrackLength ? row.text + " " + row.time + ".cda" : row.text + ".cda";
}

}  // namespace vorlix
