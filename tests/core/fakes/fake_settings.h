// An in-memory settings store for tests: sections and keys as a map, unwritable on request.
#pragma once

#include <QMap>

#include "settings/settings_store.h"

class FakeSettings : public SettingsStore {
 public:
  std::optional<QString> Read(const QString& section, const QString& key) override {
    const auto it = values.find(section + u'/' + key);
    if (it == values.end()) return std::nullopt;
    return *it;
  }
  void Write(const QString& section, const QString& key, const QString& value) override {
    values[section + u'/' + key] = value;
    writes << key;
  }
  bool Sync() override {
    ++syncs;
    return !failSync;
  }
  QString Location() const override { return QStringLiteral("memory"); }
  QMap<QString, QString> values;  // "Option/Difficulty" -> "2"
  QStringList writes;
  int syncs = 0;
  bool failSync = false;
};
