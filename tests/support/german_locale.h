#pragma once

#include <string>

#include "support/temp_dir.h"

namespace vorlix::test {

// A German locale compiled for the test into a folder of its own, since the system may have
// none installed. While the object lives it is the process's C locale, the one the C library
// names months in; a child process gets it through LOCPATH and LC_ALL.
class GermanLocale {
public:
    static constexpr const char* kName = "de_DE.UTF-8";

    GermanLocale();
    ~GermanLocale();
    GermanLocale(const GermanLocale&) = delete;
    GermanLocale& operator=(const GermanLocale&) = delete;

    // The folder to give a child process as LOCPATH.
    const std::string& folder() const { return m_folder.path(); }
    // Whether the process now runs in it; the month of 5 March 2004 as the C library names it
    // tells.
    std::string localMonthName() const;

private:
    TempDir m_folder;
    std::string m_previous;
};

}  // namespace vorlix::test
