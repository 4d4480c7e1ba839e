// The per-user settings store: text values by section and key.
#pragma once

#include <QString>
#include <optional>

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // Nothing when the key is absent or its value cannot be read.
  virtual std::optional<QString> Read(const QString& section, const QString& key) = 0;
  virtual void Write(const QString& section, const QString& key, const QString& value) = 0;
  // Puts what was written where it lasts; false when it could not be kept. A store that keeps nothing
  // outside the process cannot fail.
  virtual bool Sync() { return true; }
  // Where the values are kept, for telling the user.
  virtual QString Location() const { return {}; }
};
