#pragma once

#include <string>
#include <string_view>

namespace vorlix {

class SettingsStore;

// The commands of the tray information page. The page cannot change settings by itself, so its
// links navigate to a "null.html" address that carries the command as items written like XML
// elements, for example null.html?<command>closetrayinfo</command><checked>true</checked>;
// the window hands every address it is asked to open to this class first.
class TrayInfoCommand {
public:
    explicit TrayInfoCommand(SettingsStore& settings);

    // Carries out the command of a "null.html" address and returns true; any other address is
    // an ordinary link and gives false. An address with an unknown command or without items
    // still belongs to the page, so it gives true and changes nothing.
    bool handle(std::string_view address);

    // The text of one item of an address: the text after the item name followed by ">", up to
    // the next "</" or "<\" followed by the item name; empty when either end is missing.
    // Percent escapes are decoded first, because a browser hands over "<" and ">" as %3C and
    // %3E, which they must be in an address.
    static std::string item(std::string_view address, std::string_view name);

private:
    SettingsStore& m_settings;
};

}  // namespace vorlix
