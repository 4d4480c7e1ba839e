// Arbitrary bytes into the settings file's reader: whatever it reads must write and read back the same; the
// same bytes taken as one value must come back from the text written for it, or be refused for a line break.
#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "services/profile_file.h"

namespace {
void Check(bool ok) {
  if (!ok) std::abort();
}

bool HasLineBreak(const QString& s) { return s.contains(u'\n') || s.contains(u'\r'); }
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes =
      QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const QSettings::SettingsMap map = ParseProfile(bytes);
  const std::optional<QByteArray> written = ProfileBytes(map);
  Check(written.has_value());
  Check(ParseProfile(*written) == map);

  const QString value = QString::fromUtf8(bytes);
  const std::optional<QString> text = ProfileValueText(value);
  Check(text.has_value() != HasLineBreak(value));
  if (text) Check(!HasLineBreak(*text) && ProfileValue(*text) == value);
  return 0;
}
