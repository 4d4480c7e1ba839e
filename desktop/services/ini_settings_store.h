// The settings store as a per-user profile file: $XDG_CONFIG_HOME/立体ヌボロforWin.ini on Linux.
#pragma once

#include <QSettings>

#include "settings/settings_store.h"

class IniSettingsStore : public SettingsStore {
 public:
  IniSettingsStore();
  // A store in a given file, for tests.
  explicit IniSettingsStore(const QString& fileName);

  std::optional<std::u16string> Read(const std::u16string& section, const std::u16string& key) override;
  void Write(const std::u16string& section, const std::u16string& key, const std::u16string& value) override;
  bool Sync() override;
  std::u16string Location() const override { return FileName().toStdU16String(); }

  QString FileName() const { return settings_.fileName(); }

 private:
  QString Name(const QString& section, const QString& key) const;

  QSettings settings_;
  bool valueRefused_ = false;  // a value no line of the file can hold was asked to be written
};
