#include "scan/archive_listing.h"

#include "core/file_name_text.h"
#include "core/text_case.h"
#include "platform/archive/archive_member_reader.h"
#include "platform/archive/member_path.h"
#include "scan/archive_names.h"

namespace vorlix {

namespace {

std::string nameText(const std::string& bytes) {
    std::string storage;
    return std::string(fileNameText(bytes, storage));
}

}  // namespace

Result ArchiveListing::read(VolumeFile& file, const ArchiveListOptions& options) {
    if (file.size() > options.limit) {
        return Result::failure("larger than the limit for archives");
    }
    ArchiveMemberReader reader(file);
    if (Result opened = reader.open(); !opened.ok()) {
        return opened;
    }
    ArchiveMemberHeader header;
    for (;;) {
        if (!options.carryOn()) {
            return Result::failure("stopped");
        }
        const ArchiveMemberReader::Step step = reader.next(header);
        if (step == ArchiveMemberReader::Step::End) {
            return Result::success();
        }
        if (step == ArchiveMemberReader::Step::Failed) {
            return Result::failure(reader.errorText());
        }
        if (header.encrypted) {
            return Result::failure("encrypted");
        }
        const std::vector<std::string> components = memberPathComponents(header.pathname);
        if (components.empty() || header.kind == ArchiveMemberHeader::Kind::Other) {
            continue;
        }
        if (header.kind == ArchiveMemberHeader::Kind::Folder) {
            folderOf(components, components.size());
        } else if (Result added = addFile(reader, header, components, options); !added.ok()) {
            return added;
        }
    }
}

Result ArchiveListing::addFile(ArchiveMemberReader& reader, const ArchiveMemberHeader& header,
                               const std::vector<std::string>& components,
                               const ArchiveListOptions& options) {
    Member member;
    member.folder = folderOf(components, components.size() - 1);
    const std::string name = nameText(components.back());
    member.nameStart = m_names.size();
    member.nameSize = static_cast<std::uint32_t>(name.size());
    m_names += name;
    if (header.size) {
        member.size = *header.size;
    } else if (const auto measured = reader.measureData()) {
        member.size = *measured;
    } else {
        return Result::failure(reader.errorText());
    }
    m_members.push_back(member);
    // An archive whose size came only from reading it through cannot be read again.
    if (header.size && options.nested && isArchiveName(name)) {
        return listInner(reader, m_members.size() - 1, options);
    }
    return Result::success();
}

Result ArchiveListing::listInner(ArchiveMemberReader& reader, std::size_t index,
                                 const ArchiveListOptions& options) {
    auto contents = std::make_unique<ArchiveListing>();
    ArchiveListOptions inner = options;
    inner.nested = false;
    const std::unique_ptr<VolumeFile> data = reader.memberData(m_members[index].size);
    if (contents->read(*data, inner).ok()) {
        m_contents.emplace(index, std::move(contents));
    } else if (!options.carryOn()) {
        return Result::failure("stopped");
    } else {
        m_unlisted.insert(index);
    }
    return Result::success();
}

std::string_view ArchiveListing::name(const Member& member) const {
    return std::string_view(m_names).substr(member.nameStart, member.nameSize);
}

const ArchiveListing* ArchiveListing::contents(std::size_t index) const {
    const auto found = m_contents.find(index);
    return found == m_contents.end() ? nullptr : found->second.get();
}

bool ArchiveListing::unlisted(std::size_t index) const {
    return m_unlisted.contains(index);
}

int ArchiveListing::folderOf(const std::vector<std::string>& components, std::size_t count) {
    int folder = -1;
    for (std::size_t i = 0; i < count; ++i) {
        std::string name = nameText(components[i]);
        auto [at, added] = m_folderIndex.try_emplace({folder, lowerCase(name)},
                                                     static_cast<int>(m_folders.size()));
        if (added) {
            m_folders.push_back({std::move(name), folder});
        }
        folder = at->second;
    }
    return folder;
}

}  // namespace vorlix
