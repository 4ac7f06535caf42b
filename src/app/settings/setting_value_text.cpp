#include "app/settings/setting_value_text.h"

#include <charconv>
#include <string>

#include "app/settings/setting_catalogue.h"
#include "app/settings_store.h"

namespace vorlix {

namespace {

Result checked(const SettingSpec& spec, std::string_view value) {
    const std::string name(spec.name);
    if (spec.type == SettingType::Text) {
        if (value.size() >= spec.limit) {
            return Result::failure(name + " holds at most " + std::to_string(spec.limit - 1) +
                                   " bytes; the value has " + std::to_string(value.size()));
        }
        return Result::success();
    }
    if (!parseWholeNumber(value, spec.maximum)) {
        return Result::failure(spec.maximum == 1 ? name + " takes 0 or 1"
                                                 : name + " takes a whole number from 0 to " +
                                                       std::to_string(spec.maximum));
    }
    return Result::success();
}

}  // namespace

std::optional<std::uint32_t> parseWholeNumber(std::string_view text, std::uint32_t maximum) {
    std::uint64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || value > maximum) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

std::string readSettingValue(const SettingsStore& settings, const SettingSpec& spec) {
    if (spec.type == SettingType::Text) {
        return settings.readText(spec.key, spec.name, spec.limit);
    }
    return std::to_string(settings.readNumber(spec.key, spec.name));
}

Result writeSettingValue(SettingsStore& settings, const SettingSpec& spec, std::string_view value) {
    if (Result check = checked(spec, value); !check.ok()) {
        return check;
    }
    settings.createKey(spec.key);
    std::string stored(value);
    if (spec.type == SettingType::Text) {
        settings.writeText(spec.key, spec.name, value);
    } else {
        const std::uint32_t number = *parseWholeNumber(value, spec.maximum);
        settings.writeNumber(spec.key, spec.name, number);
        stored = std::to_string(number);
    }
    if (readSettingValue(settings, spec) != stored) {
        return Result::failure(std::string(spec.name) + " could not be stored in the settings");
    }
    return Result::success();
}

}  // namespace vorlix
