#include "app/current_disc.h"

namespace vorlix {

void CurrentDisc::assign(const CQXDisc& disc) {
    static_cast<DiscTexts&>(*this) = disc;
    files.clear();
    files.reserve(disc.files.size());
    for (const CQXFileData& entry : disc.files) {
        // The copy refers to the catalogue's entries, which the panes change through it.
        files.push_back(const_cast<CQXFileData*>(&entry));
    }
}

void CurrentDisc::clear() {
    static_cast<DiscTexts&>(*this) = DiscTexts{};
    files.clear();
}

}  // namespace vorlix
