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

std::string FilterLists::load() {
    std::vector<std::string> keep;
    std::vector<std::string> skip;
    std::string failure = m_keepFile.read(keep);
    if (failure.empty()) {
        failure = m_skipFile.read(skip);
    }
    if (!failure.empty()) {
        return failure;
    }
    m_keep = std::move(keep);
    m_skip = std::move(skip);
    return {};
}

std::string FilterLists::writeKeepList() const {
    return m_keepFile.write(m_keep);
}

std::string FilterLists::writeSkipList() const {
    return m_skipFile.write(m_skip);
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
