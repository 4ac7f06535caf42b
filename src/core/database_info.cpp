#include "core/database_info.h"

#include <cstdio>

#include "core/catalog.h"

namespace vorlix {
namespace {

// The whole megabytes a size field starts with: "702.900" is 702, a text that does not start
// with a digit is 0. Digits beyond what a double holds exactly only blur the total.
double wholeMegabytes(const std::string& size) {
    double value = 0;
    for (const char c : size) {
        if (c < '0' || c > '9') {
            break;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

std::string formatted(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

}  // namespace

std::string databaseSizeText(const CQXCatalog& catalogue) {
    double total = 0;
    for (const auto& disc : catalogue.discs) {
        total += wholeMegabytes(std::string(disc->size()));
    }
    return total > 1000 ? formatted("%0.0f GB", total / 1024) : formatted("%0.0f MB", total);
}

DatabaseInfo databaseInfo(const CQXCatalog& catalogue) {
    DatabaseInfo info;
    if (!catalogue.discs.empty()) {
        info.owner = catalogue.discs.front()->ownerName();
    }
    info.discs = catalogue.discs.size();
    for (const auto& disc : catalogue.discs) {
        info.files += disc->files.size();
        info.shared += disc->shared() == "Yes" ? 1 : 0;
        info.available += disc->location() == "home" ? 1 : 0;
    }
    info.nonAvailable = info.discs - info.available;
    info.categories = catalogue.categories.size();
    info.size = databaseSizeText(catalogue);
    return info;
}

}  // namespace vorlix
