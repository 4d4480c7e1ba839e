// An in-memory settings store for tests: sections and keys as a map, unwritable on request.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "settings/settings_store.h"

class FakeSettings : public SettingsStore {
 public:
  std::optional<std::u16string> Read(const std::u16string& section, const std::u16string& key) override {
    const auto it = values.find(section + u'/' + key);
    if (it == values.end()) return std::nullopt;
    return it->second;
  }
  void Write(const std::u16string& section, const std::u16string& key, const std::u16string& value) override {
    values[section + u'/' + key] = value;
    writes.push_back(key);
  }
  bool Sync() override {
    ++syncs;
    return !failSync;
  }
  std::u16string Location() const override { return u"memory"; }
  std::map<std::u16string, std::u16string> values;  // "Option/Difficulty" -> "2"
  std::vector<std::u16string> writes;
  int syncs = 0;
  bool failSync = false;
};
