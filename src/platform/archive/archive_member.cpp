#include "platform/archive/archive_member.h"

#include <optional>

#include "core/file_name_text.h"
#include "core/text_case.h"
#include "platform/archive/archive_member_file.h"
#include "platform/archive/archive_member_reader.h"
#include "platform/archive/member_path.h"

namespace vorlix {

namespace {

// How well a member's components stand for the names; better matches are greater. The
// catalogue lower-cases folders and keeps only names' case, so only the name's case can tell two
// members apart.
enum class Match { None, Nested, AnyCase, Exact };

Match matchOf(const std::vector<std::string>& components, const std::vector<std::string>& names) {
    if (components.empty() || components.size() > names.size()) {
        return Match::None;
    }
    for (std::size_t i = 0; i < components.size(); ++i) {
        if (lowerCase(components[i]) != lowerCase(names[i])) {
            return Match::None;
        }
    }
    if (components.size() < names.size()) {
        return Match::Nested;
    }
    return components.back() == names.back() ? Match::Exact : Match::AnyCase;
}

// A member's components as the scan catalogues them: bytes that are no UTF-8 read as
// Windows-1252 and control characters shown by their stand-ins, as the names asked for are.
std::vector<std::string> catalogueComponents(const std::string& pathname) {
    std::vector<std::string> components = memberPathComponents(pathname);
    std::string storage;
    for (std::string& component : components) {
        component = std::string(fileNameText(component, storage));
    }
    return components;
}

std::string joined(const std::vector<std::string>& names, std::size_t from, std::size_t to) {
    std::string path;
    for (std::size_t i = from; i < to; ++i) {
        path += (i == from ? "" : "\\") + names[i];
    }
    return path;
}

// The member that best stands for the leading names, found in one walk over the members, or
// in two when no member is of the names' own case.
class MemberSearch {
public:
    struct Found {
        std::size_t depth = 0;  // how many of the names the member stands for
        std::size_t index = 0;  // its place among the archive's entries
    };

    MemberSearch(const ArchiveSource& source, const std::vector<std::string>& names,
                 const std::string& archiveName)
        : m_source(source), m_names(names), m_archiveName(archiveName) {}

    // The best member, or the one at target's place.
    OpenedEntry member(std::optional<std::size_t> target, Found& found) const {
        OpenedEntry opened = m_source();
        if (!opened.ok()) {
            return opened;
        }
        std::unique_ptr<VolumeFile> file = opened.take();
        auto reader = std::make_unique<ArchiveMemberReader>(*file);
        if (const Result started = reader->open(); !started) {
            return OpenedEntry::failure(m_archiveName + " cannot be read as an archive (" +
                                        started.message() + ")");
        }
        Match best = Match::None;
        std::size_t bestIndex = 0;
        ArchiveMemberHeader header;
        for (std::size_t index = 0;; ++index) {
            const ArchiveMemberReader::Step step = reader->next(header);
            if (step == ArchiveMemberReader::Step::End) {
                break;
            }
            if (step == ArchiveMemberReader::Step::Failed) {
                return OpenedEntry::failure("the archive " + m_archiveName + " is damaged (" +
                                            reader->errorText() + ")");
            }
            if (header.kind != ArchiveMemberHeader::Kind::File) {
                continue;
            }
            const std::vector<std::string> components = catalogueComponents(header.pathname);
            const Match match = matchOf(components, m_names);
            if (target ? index == *target : match == Match::Exact) {
                found = {components.size(), index};
                return take(std::move(file), std::move(reader), header, components.size());
            }
            if (match > best) {
                best = match;
                bestIndex = index;
            }
        }
        if (target || best == Match::None) {
            return OpenedEntry::failure(joined(m_names, 0, m_names.size()) +
                                        " is not in the archive " + m_archiveName);
        }
        return member(bestIndex, found);
    }

private:
    OpenedEntry take(std::unique_ptr<VolumeFile> file, std::unique_ptr<ArchiveMemberReader> reader,
                     const ArchiveMemberHeader& header, std::size_t depth) const {
        if (header.encrypted) {
            return OpenedEntry::failure(joined(m_names, 0, depth) +
                                        " is encrypted in the archive " + m_archiveName +
                                        " and cannot be read");
        }
        return OpenedEntry::of(std::make_unique<ArchiveMemberFile>(
            std::move(file), std::move(reader), header.size.value_or(0), m_archiveName));
    }

    const ArchiveSource& m_source;
    const std::vector<std::string>& m_names;
    const std::string& m_archiveName;
};

}  // namespace

OpenedEntry openArchiveMember(const ArchiveSource& source, const std::vector<std::string>& names,
                              const std::string& archiveName) {
    MemberSearch::Found found;
    OpenedEntry member = MemberSearch(source, names, archiveName).member(std::nullopt, found);
    if (!member.ok() || found.depth == names.size()) {
        return member;
    }
    // A member of a nested archive: that archive can only be streamed, so finding the member
    // may need it from its start again, through the outer archive. The stream already open
    // serves the first time.
    auto first = std::make_shared<std::unique_ptr<VolumeFile>>(member.take());
    const ArchiveSource nested = [source, names, archiveName, first, index = found.index]() {
        if (*first) {
            return OpenedEntry::of(std::move(*first));
        }
        MemberSearch::Found again;
        return MemberSearch(source, names, archiveName).member(index, again);
    };
    return openArchiveMember(
        nested, {names.begin() + static_cast<std::ptrdiff_t>(found.depth), names.end()},
        archiveName + "\\" + joined(names, 0, found.depth));
}

}  // namespace vorlix
