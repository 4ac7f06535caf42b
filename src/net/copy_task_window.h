#pragma once

#include <string>

namespace vorlix {

// The copy tasks window as the copies see it. Called from the copies' threads; an
// implementation hands the calls to the window's own thread.
class CopyTaskWindow {
public:
    virtual ~CopyTaskWindow() = default;
    // Adds a row for a copy into destination, shows the window and gives the row's id (1 for
    // the first row, one more for each later one).
    virtual int addItem(const std::string& destination, const std::string& cataloguedSize) = 0;
    // A progress, completion or stop message (copy_messages.h).
    virtual void report(const std::string& message) = 0;
    // The id of the row shown in the details panel; 0 for none.
    virtual int shownId() const = 0;
    // The id of the copy the user asked to stop; 0 for none.
    virtual int stopId() const = 0;
};

}  // namespace vorlix
