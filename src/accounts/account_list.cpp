#include "accounts/account_list.h"

#include <algorithm>

namespace vorlix {

namespace {

auto matchesBoth(std::string_view nameDigest, std::string_view passwordDigest) {
    return [nameDigest, passwordDigest](const CLog& record) {
        return record.nameDigest == nameDigest && record.passwordDigest == passwordDigest;
    };
}

}  // namespace

const CLog* AccountList::findName(std::string_view nameDigest) const {
    const auto found =
        std::find_if(m_records.begin(), m_records.end(),
                     [nameDigest](const CLog& record) { return record.nameDigest == nameDigest; });
    return found == m_records.end() ? nullptr : &*found;
}

bool AccountList::contains(std::string_view nameDigest, std::string_view passwordDigest) const {
    return std::any_of(m_records.begin(), m_records.end(), matchesBoth(nameDigest, passwordDigest));
}

void AccountList::addFront(CLog record) {
    m_records.insert(m_records.begin(), std::move(record));
}

void AccountList::addBack(CLog record) {
    m_records.push_back(std::move(record));
}

bool AccountList::removeFirst(std::string_view nameDigest, std::string_view passwordDigest) {
    const auto found =
        std::find_if(m_records.begin(), m_records.end(), matchesBoth(nameDigest, passwordDigest));
    if (found == m_records.end()) {
        return false;
    }
    m_records.erase(found);
    return true;
}

}  // namespace vorlix
