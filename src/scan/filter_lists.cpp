#include "scan/filter_lists.h"

#include <algorithm>

#include "core/text_case.h"

namespace vorlix {

namespace {

bool holds(const std::vector<std::string>& list, std::string_view entry) {
    return std::find(list.begin(), list.end(), entry) != list.end();
}

}  // namespace

FilterLists::FilterLists(const std::string& programFolder, const CodePage& codePage)
    : m_keepFile(programFolder + std::string(kKeepListFileName), codePage),
      m_skipFile(programFolder + std::string(kSkipListFileName), codePage) {}

Result FilterLists::load() {
    std::vector<std::string> keep;
    std::vector<std::string> skip;
    if (Result read = m_keepFile.read(keep); !read.ok()) {
        return read;
    }
    if (Result read = m_skipFile.read(skip); !read.ok()) {
        return read;
    }
    m_keep = std::move(keep);
    m_skip = std::move(skip);
    return Result::success();
}

Result FilterLists::writeKeepList() const {
    return m_keepFile.write(m_keep);
}

Result FilterLists::writeSkipList() const {
    return m_skipFile.write(m_skip);
}

Result FilterLists::updateSkipList(const std::function<void(std::vector<std::string>&)>& change) {
    return m_skipFile.update(m_skip, change);
}

FilterDecision FilterLists::decide(std::string_view fileName, bool skipFilesWithoutExtension,
                                   std::vector<std::string>& detected) const {
    const std::size_t dot = fileName.rfind('.');
    if (dot == std::string_view::npos) {
        return skipFilesWithoutExtension ? FilterDecision::Skip : FilterDecision::Record;
    }
    std::string extension = lowerCase(fileName.substr(dot + 1));
    if (holds(m_keep, extension)) {
        return FilterDecision::Record;
    }
    if (!holds(m_skip, extension) && !holds(detected, extension)) {
        detected.push_back(std::move(extension));
    }
    return FilterDecision::Skip;
}

}  // namespace vorlix
