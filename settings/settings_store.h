#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace sovelin {

// The per-user store of string values under application "Sovelin", section
// "ScreenSaverSettings". The registry on Windows; an in-memory map in tests.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // The stored text, or defaultValue when the key does not exist.
  virtual std::string Read(std::string_view key, std::string_view defaultValue) const = 0;
  // Stores the text, creating the key as needed.
  virtual void Write(std::string_view key, std::string_view value) = 0;
};

class MemorySettingsStore final : public SettingsStore {
 public:
  std::string Read(std::string_view key, std::string_view defaultValue) const override {
    const auto found = values.find(std::string(key));
    return found == values.end() ? std::string(defaultValue) : found->second;
  }
  void Write(std::string_view key, std::string_view value) override {
    values[std::string(key)] = std::string(value);
    writeOrder.emplace_back(key);
  }

  std::map<std::string, std::string> values;
  std::vector<std::string> writeOrder;
};

}  // namespace sovelin
