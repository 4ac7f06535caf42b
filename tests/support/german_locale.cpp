#include "support/german_locale.h"

#include <clocale>
#include <cstdlib>
#include <ctime>

namespace vorlix::test {

GermanLocale::GermanLocale() : m_previous(std::setlocale(LC_ALL, nullptr)) {
    const std::string command = "localedef -i de_DE -f UTF-8 '" + m_folder.file(kName) + "'";
    // localedef warns about some inputs yet writes the locale; whether it worked shows below.
    static_cast<void>(std::system(command.c_str()));
    setenv("LOCPATH", m_folder.path().c_str(), 1);
    std::setlocale(LC_ALL, kName);
}

GermanLocale::~GermanLocale() {
    std::setlocale(LC_ALL, m_previous.c_str());
    unsetenv("LOCPATH");
}

std::string GermanLocale::localMonthName() const {
    std::tm march{};
    march.tm_year = 104;
    march.tm_mon = 2;
    march.tm_mday = 5;
    char text[64];
    return std::string(text, std::strftime(text, sizeof text, "%B", &march));
}

}  // namespace vorlix::test
