// QSettings in INI format; whatever it cannot read counts as absent.
#include "platform/ini_settings_store.h"

#include <QStringList>

#include "settings/operation_settings.h"

IniSettingsStore::IniSettingsStore()
    : settings_(QSettings::IniFormat, QSettings::UserScope, QString::fromUtf8(kSettingsApplication)) {}

IniSettingsStore::IniSettingsStore(const QString& fileName) : settings_(fileName, QSettings::IniFormat) {}

std::optional<QString> IniSettingsStore::Read(const QString& section, const QString& key) {
  if (settings_.status() != QSettings::NoError) return std::nullopt;
  const QVariant value = settings_.value(section + u'/' + key);
  if (!value.isValid()) return std::nullopt;
  // A hand-written value with commas comes back as a list; the store means one text.
  if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(u',');
  if (!value.canConvert<QString>()) return std::nullopt;
  return value.toString();
}

void IniSettingsStore::Write(const QString& section, const QString& key, const QString& value) {
  settings_.setValue(section + u'/' + key, value);
  settings_.sync();
}
