#pragma once

#include <map>
#include <set>
#include <string>
#include <utility>

#include "app/settings_store.h"

namespace vorlix::test {

// Settings held in memory, read and written with the store's rules, except that every key
// counts as existing for writes, so tests need not create keys before writing.
class MemorySettings final : public SettingsStore {
public:
    std::map<std::pair<std::string, std::string>, std::string> texts;
    std::map<std::pair<std::string, std::string>, std::uint32_t> numbers;
    std::map<std::pair<std::string, std::string>, std::string> binaries;
    std::set<std::string> keys;  // created explicitly; keys holding values exist as well

    std::uint32_t readNumber(std::string_view key, std::string_view name) const override {
        const auto it = numbers.find({std::string(key), std::string(name)});
        return it == numbers.end() ? 0 : it->second;
    }
    std::string readText(std::string_view key, std::string_view name,
                         std::size_t limit) const override {
        const auto it = texts.find({std::string(key), std::string(name)});
        return it == texts.end() || it->second.size() >= limit ? std::string() : it->second;
    }
    std::string readBinary(std::string_view key, std::string_view name) const override {
        const auto it = binaries.find({std::string(key), std::string(name)});
        return it == binaries.end() ? std::string() : it->second;
    }
    void writeNumber(std::string_view key, std::string_view name, std::uint32_t value) override {
        deleteValue(key, name);
        numbers[{std::string(key), std::string(name)}] = value;
    }
    void writeText(std::string_view key, std::string_view name, std::string_view value) override {
        deleteValue(key, name);
        texts[{std::string(key), std::string(name)}] =
            std::string(value.substr(0, value.find('\0')));
    }
    void writeBinary(std::string_view key, std::string_view name, std::string_view bytes) override {
        deleteValue(key, name);
        binaries[{std::string(key), std::string(name)}] = std::string(bytes);
    }
    void deleteValue(std::string_view key, std::string_view name) override {
        const std::pair<std::string, std::string> id{std::string(key), std::string(name)};
        texts.erase(id);
        numbers.erase(id);
        binaries.erase(id);
    }

    bool keyExists(std::string_view key) const override {
        auto under = [key](const std::string& k) { return isAtOrBelow(k, key); };
        auto holds = [&under](const auto& values) {
            for (const auto& entry : values) {
                if (under(entry.first.first)) {
                    return true;
                }
            }
            return false;
        };
        for (const auto& k : keys) {
            if (under(k)) {
                return true;
            }
        }
        return holds(texts) || holds(numbers) || holds(binaries);
    }
    void createKey(std::string_view key) override { keys.insert(std::string(key)); }
    void deleteKey(std::string_view key) override {
        auto under = [key](const std::string& k) { return isAtOrBelow(k, key); };
        std::erase_if(keys, under);
        auto dropValues = [&under](auto& values) {
            std::erase_if(values, [&under](const auto& entry) { return under(entry.first.first); });
        };
        dropValues(texts);
        dropValues(numbers);
        dropValues(binaries);
    }

    void beginBatch() override {}
    void endBatch() override {}

private:
    static bool isAtOrBelow(std::string_view k, std::string_view key) {
        return k == key || (k.size() > key.size() && k.starts_with(key) && k[key.size()] == '\\');
    }
};

}  // namespace vorlix::test
