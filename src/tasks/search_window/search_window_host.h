#pragma once

namespace vorlix {

// What a search window asks of the program around it when it shows a result in the main
// window.
class SearchWindowHost {
public:
    virtual ~SearchWindowHost() = default;
    virtual void minimizeSearchWindows() = 0;
    virtual void maximizeMainWindow() = 0;
};

}  // namespace vorlix
