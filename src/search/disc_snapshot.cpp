#include "search/disc_snapshot.h"

#include <algorithm>
#include <functional>

#include "core/disc.h"
#include "core/stored_size.h"
#include "core/text_case.h"

namespace vorlix {

namespace {

// Lower-cases into `out`; names are mostly ASCII, which needs no decoding.
void appendLowerCase(std::string& out, std::string_view text) {
    if (std::ranges::any_of(text, [](char c) { return static_cast<unsigned char>(c) >= 0x80; })) {
        out += lowerCase(text);
        return;
    }
    for (const char c : text) {
        out += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
}

const TextList kNoCategories;

}  // namespace

DiscSnapshot::DiscSnapshot(const CQXDisc& disc)
    : m_number(std::string(disc.number())),
      m_name(std::string(disc.name())),
      m_artist(std::string(disc.artist())),
      m_location(std::string(disc.location())),
      m_shared(std::string(disc.shared())),
      m_categories(disc.categories()),
      m_nameKey(lowerCase(m_name)),
      m_artistKey(lowerCase(m_artist)) {
    const std::size_t count = disc.files.size();
    m_firstEntry = count == 0 ? nullptr : &disc.files.front();
    m_keyStarts.reserve(count + 1);
    m_nameStarts.reserve(count + 1);
    m_sizes.reserve(count);
    m_folderOf.reserve(count);
    for (const CQXFileData& entry : disc.files) {
        const auto [name, folder, size, drive, discNumber] = entry.fields();
        m_keyStarts.push_back(static_cast<std::uint32_t>(m_keys.size()));
        appendLowerCase(m_keys, name);
        m_keys += '\0';
        m_nameStarts.push_back(static_cast<std::uint32_t>(m_names.size()));
        m_names += name;
        m_sizes.push_back(storedFileSize(size));
        // The entries of one folder follow each other, so comparing with the last folder
        // shares its text without a lookup.
        if (m_folders.empty() || m_folders.back() != folder) {
            m_folders.emplace_back(folder);
        }
        m_folderOf.push_back(static_cast<std::uint32_t>(m_folders.size() - 1));
        if (!entry.categories().empty()) {
            m_fileCategories.emplace_back(static_cast<std::uint32_t>(m_sizes.size() - 1),
                                          entry.categories());
        }
    }
    m_keyStarts.push_back(static_cast<std::uint32_t>(m_keys.size()));
    m_nameStarts.push_back(static_cast<std::uint32_t>(m_names.size()));
    m_keys.shrink_to_fit();
    m_keyPairs = NamePairFilter(m_keys);
    m_names.shrink_to_fit();
    m_folders.shrink_to_fit();
    m_fileCategories.shrink_to_fit();
}

std::size_t DiscSnapshot::fileAt(std::size_t keyPosition) const {
    const auto after = std::ranges::upper_bound(m_keyStarts, keyPosition);
    return static_cast<std::size_t>(after - m_keyStarts.begin()) - 1;
}

std::string_view DiscSnapshot::fileName(std::size_t file) const {
    return std::string_view(m_names).substr(m_nameStarts[file],
                                            m_nameStarts[file + 1] - m_nameStarts[file]);
}

const TextList& DiscSnapshot::fileCategories(std::size_t file) const {
    const auto found =
        std::ranges::lower_bound(m_fileCategories, static_cast<std::uint32_t>(file), std::less<>(),
                                 &std::pair<std::uint32_t, TextList>::first);
    return found != m_fileCategories.end() && found->first == file ? found->second : kNoCategories;
}

std::size_t DiscSnapshot::fileBytes() const {
    std::size_t folders = 0;
    for (const std::string& folder : m_folders) {
        folders += sizeof folder + (folder.size() > 15 ? folder.capacity() + 1 : 0);
    }
    const std::size_t perEntry =
        sizeof(std::uint32_t) * (m_keyStarts.capacity() + m_nameStarts.capacity() +
                                 m_sizes.capacity() + m_folderOf.capacity());
    return m_keys.capacity() + m_names.capacity() + m_keyPairs.bytes() + perEntry + folders +
           m_fileCategories.capacity() * sizeof(m_fileCategories.front());
}

}  // namespace vorlix
