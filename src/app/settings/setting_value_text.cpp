#include "app/settings/setting_value_text.h"

#include <charconv>
#include <string>

#include "app/settings/setting_catalogue.h"
#include "app/settings_store.h"

namespace vorlix {

namespace {

Result checked(const SettingDefinition& definition, std::string_view value) {
    const std::string name(definition.name);
    if (definition.type == SettingType::Text) {
        if (value.size() >= definition.limit) {
            return Result::failure(name + " holds at most " + std::to_string(definition.limit - 1) +
                                   " bytes; the value has " + std::to_string(value.size()));
        }
        return Result::success();
    }
    if (!parseWholeNumber(value, definition.maximum)) {
        return Result::failure(definition.maximum == 1 ? name + " takes 0 or 1"
                                                       : name + " takes a whole number from 0 to " +
                                                             std::to_string(definition.maximum));
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

std::string readSettingValue(const SettingsStore& settings, const SettingDefinition& definition) {
    if (definition.type == SettingType::Text) {
        return settings.readText(definition.key, definition.name, definition.limit);
    }
    return std::to_string(settings.readNumber(definition.key, definition.name));
}

Result writeSettingValue(SettingsStore& settings, const SettingDefinition& definition,
                         std::string_view value) {
    if (Result check = checked(definition, value); !check.ok()) {
        return check;
    }
    settings.createKey(definition.key);
    std::string stored(value);
    if (definition.type == SettingType::Text) {
        settings.writeText(definition.key, definition.name, value);
    } else {
        const std::uint32_t number = *parseWholeNumber(value, definition.maximum);
        settings.writeNumber(definition.key, definition.name, number);
        stored = std::to_string(number);
    }
    if (readSettingValue(settings, definition) != stored) {
        return Result::failure(std::string(definition.name) +
                               " could not be stored in the settings");
    }
    return Result::success();
}

}  // namespace vorlix
