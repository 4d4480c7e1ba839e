// The per-user settings store: text values by section and key.
#pragma once

#include <QString>
#include <optional>

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // Nothing when the key is absent or the store cannot be read.
  virtual std::optional<QString> Read(const QString& section, const QString& key) = 0;
  virtual void Write(const QString& section, const QString& key, const QString& value) = 0;
};
