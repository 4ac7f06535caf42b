#include "platform/archive/member_path.h"

#include <archive_entry.h>

namespace vorlix {

std::string memberPathname(struct archive_entry* entry) {
    if (const char* utf8 = archive_entry_pathname_utf8(entry)) {
        return utf8;
    }
    const char* stored = archive_entry_pathname(entry);
    return stored != nullptr ? std::string(stored) : std::string();
}

std::vector<std::string> memberPathComponents(std::string_view pathname) {
    std::vector<std::string> components;
    std::size_t start = 0;
    while (start <= pathname.size()) {
        std::size_t end = pathname.find_first_of("/\\", start);
        if (end == std::string_view::npos) {
            end = pathname.size();
        }
        const std::string_view component = pathname.substr(start, end - start);
        if (!component.empty() && component != "." && component != "..") {
            components.emplace_back(component);
        }
        start = end + 1;
    }
    return components;
}

}  // namespace vorlix
