#pragma once

#include <string>
#include <string_view>

namespace vorlix {

// Opens a member of an archive on a disc ("d:\backup\old.zip\docs\a.txt") with the desktop's
// program, by way of a copy made away from the window's thread, with its progress and a way to
// stop it; tells the user what goes wrong.
class MemberOpener {
public:
    virtual ~MemberOpener() = default;
    // Returns at once. failureMessage: what to show when the desktop cannot open the copy.
    virtual void open(const std::string& cataloguedPath, std::string_view failureMessage) = 0;
};

}  // namespace vorlix
