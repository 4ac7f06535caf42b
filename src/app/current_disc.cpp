#include "app/current_disc.h"

namespace vorlix {

void CurrentDisc::assign(const CQXDisc& disc) {
    static_cast<DiscTexts&>(*this) = disc;
    files.clear();
    files.reserve(disc.files.size());
    for (const auto& entry : disc.files) {
        files.push_back(entry.get());
    }
}

void CurrentDisc::clear() {
    static_cast<DiscTexts&>(*this) = DiscTexts{};
    files.clear();
}

}  // namespace vorlix
