#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "app/options/option_page_settings.h"

namespace vorlix {

class SettingsStore;

// One page's copy of its settings. Its controls change only the copy; nothing reaches the
// settings until the page is applied. A flag is kept as whether its box is ticked (its radio
// pair's second button chosen), a number as the number shown.
class SettingsPage {
public:
    explicit SettingsPage(OptionsPageId id);

    OptionsPageId id() const { return m_id; }

    // Takes the copy from the settings: a flag equal to 1 ticks its box, any other value or
    // none leaves it clear; a number is the stored one, 0 when there is none.
    void load(const SettingsStore& settings);
    // Writes every setting of the page together: flags as 0 or 1, the tip flag negated,
    // numbers as they are.
    void apply(SettingsStore& settings) const;

    // Both throw std::out_of_range for a setting the page does not hold.
    bool isOn(std::string_view name) const;
    void setOn(std::string_view name, bool on);
    std::uint32_t number(std::string_view name) const;
    void setNumber(std::string_view name, std::uint32_t value);

private:
    std::uint32_t& value(std::string_view name);
    std::uint32_t value(std::string_view name) const;

    OptionsPageId m_id;
    std::map<std::string, std::uint32_t, std::less<>> m_values;
};

}  // namespace vorlix
