// Feeds arbitrary bytes to the accounts file reader, and stores accounts made from the input.
// What the reader accepted, even the records before a damaged one, must be written and read
// back unchanged, and writing is a fixed point from the first write on. Accounts with any
// digests, in the code page or not, must come back from their file as they were.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "accounts/accounts_file.h"
#include "core/byte_source.h"
#include "core/code_page.h"
#include "fuzz_support.h"

namespace {

using vorlix::AccountList;
using vorlix::CLog;

const vorlix::Windows1252 kCodePage;

bool sameRecords(const AccountList& a, const AccountList& b) {
    if (a.records().size() != b.records().size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.records().size(); ++i) {
        if (a.records()[i].nameDigest != b.records()[i].nameDigest ||
            a.records()[i].passwordDigest != b.records()[i].passwordDigest) {
            return false;
        }
    }
    return true;
}

// Reads a file this program wrote: it must read whole.
AccountList readWritten(std::string_view bytes) {
    AccountList list;
    vorlix::MemorySource source(bytes);
    try {
        vorlix::readAccounts(source, kCodePage, list);
    } catch (const vorlix::ArchiveError&) {
        check(false);
    }
    return list;
}

void checkRoundTrip(const AccountList& list) {
    const std::string written = vorlix::writeAccounts(list, kCodePage);
    const AccountList reread = readWritten(written);
    check(sameRecords(list, reread));
    check(vorlix::writeAccounts(reread, kCodePage) == written);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = bytesOf(data, size);

    AccountList read;
    vorlix::MemorySource source(bytes);
    try {
        vorlix::readAccounts(source, kCodePage, read);
    } catch (const vorlix::ArchiveError&) {
        // The records before the damage stay in the list and are what a login can use.
    }
    checkRoundTrip(read);

    const std::vector<std::string> texts = textsFrom(bytes);
    AccountList made;
    for (std::size_t i = 0; i + 1 < texts.size(); i += 2) {
        made.addBack(CLog{texts[i], texts[i + 1]});
    }
    checkRoundTrip(made);
    return 0;
}
