// QSettings in INI format, read key by key: a line it cannot parse costs only that line.
#include "platform/ini_settings_store.h"

#include <QStringList>

#include "settings/operation_settings.h"

IniSettingsStore::IniSettingsStore()
    : settings_(QSettings::IniFormat, QSettings::UserScope, QString::fromUtf8(kSettingsApplication)) {}

IniSettingsStore::IniSettingsStore(const QString& fileName) : settings_(fileName, QSettings::IniFormat) {}

// The file's format status is not consulted: QSettings keeps every line it could parse, and one stray
// line must not hide a teacher's settings.
std::optional<QString> IniSettingsStore::Read(const QString& section, const QString& key) {
  const QVariant value = settings_.value(section + u'/' + key);
  if (!value.isValid()) return std::nullopt;
  // A hand-written value with commas comes back as a list; the store means one text.
  if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(u',');
  if (!value.canConvert<QString>()) return std::nullopt;
  return value.toString();
}

void IniSettingsStore::Write(const QString& section, const QString& key, const QString& value) {
  settings_.setValue(section + u'/' + key, value);
}

// A format error only says that some line of the old file was skipped; the new file was still written.
bool IniSettingsStore::Sync() {
  settings_.sync();
  return settings_.status() != QSettings::AccessError;
}
