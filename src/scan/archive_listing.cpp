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
            continue;
        }
        Member member;
        member.folder = folderOf(components, components.size() - 1);
        member.name = nameText(components.back());
        if (header.size && options.nested && isArchiveName(member.name)) {
            member.size = *header.size;
            auto contents = std::make_unique<ArchiveListing>();
            ArchiveListOptions inner = options;
            inner.nested = false;
            const std::unique_ptr<VolumeFile> data = reader.memberData(member.size);
            if (contents->read(*data, inner).ok()) {
                member.contents = std::move(contents);
            } else if (!options.carryOn()) {
                return Result::failure("stopped");
            } else {
                member.unlisted = true;
            }
        } else if (header.size) {
            member.size = *header.size;
        } else if (const auto measured = reader.measureData()) {
            member.size = *measured;
        } else {
            return Result::failure(reader.errorText());
        }
        m_members.push_back(std::move(member));
    }
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
