#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorlix {

// One local account as the accounts file keeps it: only the digests of the log name and of the
// password, never the texts themselves.
struct CLog {
    std::string nameDigest;
    std::string passwordDigest;
};

// The local accounts, front first. New accounts go to the front, and every search takes the
// first match, so of two records with one name the newer one wins.
class AccountList {
public:
    const std::vector<CLog>& records() const { return m_records; }
    bool empty() const { return m_records.empty(); }
    void clear() { m_records.clear(); }

    // The first record with this name digest, or null.
    const CLog* findName(std::string_view nameDigest) const;
    // Whether any record carries both digests.
    bool contains(std::string_view nameDigest, std::string_view passwordDigest) const;
    void addFront(CLog record);
    // Appends in file order while reading.
    void addBack(CLog record);
    // Removes the first record that carries both digests; false when there is none.
    bool removeFirst(std::string_view nameDigest, std::string_view passwordDigest);

private:
    std::vector<CLog> m_records;
};

}  // namespace vorlix
