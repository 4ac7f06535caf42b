#pragma once

#include <map>
#include <string>
#include <utility>

#include "app/settings_store.h"

namespace vorlix::test {

// Settings held in memory, read and written with the store's rules.
class MemorySettings final : public SettingsStore {
public:
    std::map<std::pair<std::string, std::string>, std::string> texts;
    std::map<std::pair<std::string, std::string>, std::uint32_t> numbers;

    std::uint32_t readNumber(std::string_view key, std::string_view name) const override {
        const auto it = numbers.find({std::string(key), std::string(name)});
        return it == numbers.end() ? 0 : it->second;
    }
    std::string readText(std::string_view key, std::string_view name,
                         std::size_t limit) const override {
        const auto it = texts.find({std::string(key), std::string(name)});
        return it == texts.end() || it->second.size() >= limit ? std::string() : it->second;
    }
    void writeNumber(std::string_view key, std::string_view name, std::uint32_t value) override {
        numbers[{std::string(key), std::string(name)}] = value;
    }
    void writeText(std::string_view key, std::string_view name, std::string_view value) override {
        texts[{std::string(key), std::string(name)}] = std::string(value);
    }
};

}  // namespace vorlix::test
