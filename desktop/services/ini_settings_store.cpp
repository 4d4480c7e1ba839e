// QSettings over the file's own dialect (services/profile_file.h), read key by key: one odd line costs
// only itself.
#include "services/ini_settings_store.h"

#include <QIODevice>
#include <QStringList>
#include <algorithm>
#include <utility>

#include "services/profile_file.h"
#include "qt_convert.h"
#include "settings/operation_settings.h"

namespace {
bool ReadProfileFile(QIODevice& device, QSettings::SettingsMap& map) {
  map = ParseProfile(device.readAll());
  return true;
}

// QSettings writes through QSaveFile: when this fails the old file stays as it was.
bool WriteProfileFile(QIODevice& device, const QSettings::SettingsMap& map) {
  const std::optional<QByteArray> bytes = ProfileBytes(map);
  return bytes && device.write(*bytes) == bytes->size();
}

QSettings::Format ProfileFormat() {
  static const QSettings::Format format =
      QSettings::registerFormat(QStringLiteral("ini"), ReadProfileFile, WriteProfileFile);
  return format;
}
}  // namespace

IniSettingsStore::IniSettingsStore()
    : settings_(ProfileFormat(), QSettings::UserScope, ToQt(kSettingsApplication)) {}

IniSettingsStore::IniSettingsStore(const QString& fileName) : settings_(fileName, ProfileFormat()) {}

// Windows finds a key whatever its case; QSettings ignores a format's case rule outside Windows.
QString IniSettingsStore::Name(const QString& section, const QString& key) const {
  const QString name = section + u'/' + key;
  if (settings_.contains(name)) return name;
  const QStringList names = settings_.allKeys();
  const auto same = [&](const QString& n) { return n.compare(name, Qt::CaseInsensitive) == 0; };
  const auto it = std::find_if(names.begin(), names.end(), same);
  return it == names.end() ? name : *it;
}

std::optional<std::u16string> IniSettingsStore::Read(const std::u16string& section,
                                                     const std::u16string& key) {
  const QVariant value = settings_.value(Name(ToQt(section), ToQt(key)));
  if (!value.isValid()) return std::nullopt;
  return FromQt(value.toString());
}

// A value with a line break has no line to live on: the stored one stays, and Sync owns up to it.
void IniSettingsStore::Write(const std::u16string& section, const std::u16string& key,
                             const std::u16string& value) {
  const QString text = ToQt(value);
  if (!ProfileValueText(text)) {
    valueRefused_ = true;
    return;
  }
  settings_.setValue(Name(ToQt(section), ToQt(key)), text);
}

bool IniSettingsStore::Sync() {
  settings_.sync();
  const bool refused = std::exchange(valueRefused_, false);
  return !refused && settings_.status() != QSettings::AccessError;
}
