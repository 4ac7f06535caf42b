#pragma once

#include <string>

namespace vorlix {

// The disc-number operations the commands panel starts: Change number and Show CD (its buttons,
// and Enter after typing into their fields) and Find Gaps. Each shows its own refusals and
// messages; the panel hands over what its fields hold and shows the current disc afterwards.
class DiscNumberCommands {
public:
    virtual ~DiscNumberCommands() = default;
    // The texts of "CD Number" and "CD Name" for the current disc.
    virtual void changeNumber(const std::string& number, const std::string& name) = 0;
    // The find box's number, from 1 to 2147483647.
    virtual void showDisc(int number) = 0;
    virtual void findGaps() = 0;
};

}  // namespace vorlix
