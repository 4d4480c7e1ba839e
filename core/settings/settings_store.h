// The per-user settings store: text values by section and key.
#pragma once

#include <optional>
#include <string>

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // Nothing when the key is absent or its value cannot be read.
  virtual std::optional<std::u16string> Read(const std::u16string& section, const std::u16string& key) = 0;
  virtual void Write(const std::u16string& section, const std::u16string& key,
                     const std::u16string& value) = 0;
  // Puts what was written where it lasts; false when it could not be kept. A store that keeps nothing
  // outside the process cannot fail.
  virtual bool Sync() { return true; }
  // Where the values are kept, for telling the user.
  virtual std::u16string Location() const { return {}; }
};
