// Windows profile rules, line by line, so no character can carry a value past its line; and the form the
// files were written in before, so those keep their values.
#include "services/profile_file.h"

#include <QSet>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
// U+FEFF too: the byte-order mark Notepad puts before the first line.
bool IsBlank(QChar c) {
  return c == u' ' || c == u'\t' || c == u'\r' || c == u'\v' || c == u'\f' || c == u'\uFEFF';
}
bool IsLineBreak(QChar c) { return c == u'\n' || c == u'\r'; }
bool HasLineBreak(QStringView s) { return std::any_of(s.begin(), s.end(), IsLineBreak); }

QStringView Trimmed(QStringView s) {
  while (!s.isEmpty() && IsBlank(s.front())) s = s.sliced(1);
  while (!s.isEmpty() && IsBlank(s.back())) s.chop(1);
  return s;
}

// What lies between a pair of double quotes around the text, or the text itself.
QStringView Unquoted(QStringView s) {
  return s.size() >= 2 && s.front() == u'"' && s.back() == u'"' ? s.sliced(1, s.size() - 2) : s;
}

// A text as QSettings' own INI writer put it: backslashes and quotes escaped, quoted when it holds ; , =
// or starts or ends with a space, a leading @ doubled. Nothing for a text with control characters, which
// it wrote as escapes like "\n" that a Windows path such as C:\new must not be mistaken for.
std::optional<QString> QtIniForm(QStringView text) {
  QString out;
  out.reserve(text.size() + 3);
  if (text.startsWith(u'@')) out += u'@';
  bool quote = false;
  for (QChar c : text) {
    if (c.unicode() < 0x20) return std::nullopt;
    if (c == u';' || c == u',' || c == u'=') quote = true;
    if (c == u'\\' || c == u'"') out += u'\\';
    out += c;
  }
  if (quote || out.startsWith(u' ') || out.endsWith(u' ')) return u'"' + out + u'"';
  return out;
}

// The text a value in that form stands for; nothing when that writer could not have written it.
std::optional<QString> FromQtIniForm(QStringView value) {
  const QStringView inner = Unquoted(value);
  QString text;
  text.reserve(inner.size());
  for (qsizetype i = 0; i < inner.size(); ++i) {
    if (inner[i] == u'\\' && i + 1 < inner.size()) ++i;
    text += inner[i];
  }
  if (text.startsWith(u"@@")) text.remove(0, 1);
  const std::optional<QString> form = QtIniForm(text);
  if (!form || *form != value) return std::nullopt;
  return text;
}

// QSettings names a key "Section/key": a '/' inside either is kept as %2F (and '%' as %25) so that every
// section and key of the file has a name of its own and is written back as it was.
QString NamePart(QStringView s) {
  QString out;
  for (QChar c : s) out += c == u'%' ? u"%25"_s : c == u'/' ? u"%2F"_s : QString(c);
  return out;
}

QString FromNamePart(QStringView s) {
  QString out;
  for (qsizetype i = 0; i < s.size(); ++i) {
    const QStringView rest = s.sliced(i);
    const bool escaped = rest.startsWith(u"%25") || rest.startsWith(u"%2F");
    out += escaped ? (rest[2] == u'5' ? u'%' : u'/') : s[i];
    if (escaped) i += 2;
  }
  return out;
}

bool IsSectionName(QStringView s) { return !HasLineBreak(s) && Trimmed(s) == s; }

bool IsKeyName(QStringView s) {
  return !s.isEmpty() && !HasLineBreak(s) && Trimmed(s) == s && !s.contains(u'=') && !s.startsWith(u'[') &&
         !s.startsWith(u';');
}

QList<QByteArrayView> Lines(QByteArrayView bytes) {
  QList<QByteArrayView> lines;
  qsizetype start = 0;
  for (qsizetype i = 0; i <= bytes.size(); ++i) {
    if (i == bytes.size() || bytes[i] == '\n' || bytes[i] == '\r') {
      lines << bytes.sliced(start, i - start);
      start = i + 1;
    }
  }
  return lines;
}
}  // namespace

QString ProfileValue(QStringView text) {
  const QStringView value = Trimmed(text);
  if (std::optional<QString> old = FromQtIniForm(value)) return *old;
  // As Windows reads it: one pair of double quotes around the value is dropped. (Not single quotes: the
  // old writer left those as they were.)
  return Unquoted(value).toString();
}

std::optional<QString> ProfileValueText(const QString& value) {
  if (HasLineBreak(value)) return std::nullopt;
  const std::optional<QString> forms[] = {value, u'"' + value + u'"', QtIniForm(value)};
  for (const std::optional<QString>& form : forms) {
    if (form && ProfileValue(*form) == value) return form;
  }
  return std::nullopt;
}

QSettings::SettingsMap ParseProfile(const QByteArray& bytes) {
  QSettings::SettingsMap map;
  QSet<QString> seen;  // as on Windows, the first of two keys that differ only in case is the one read
  std::optional<QString> section;
  for (QByteArrayView line : Lines(bytes)) {
    const QString text = QString::fromUtf8(line);
    const QStringView t = Trimmed(text);
    if (t.isEmpty() || t.front() == u';') continue;
    if (t.front() == u'[') {
      // A header without its bracket is skipped; its keys stay in the section before.
      if (const qsizetype close = t.lastIndexOf(u']'); close > 0)
        section = Trimmed(t.sliced(1, close - 1)).toString();
      continue;
    }
    const qsizetype equals = t.indexOf(u'=');
    const QStringView key = Trimmed(t.first(std::max<qsizetype>(equals, 0)));
    if (key.isEmpty()) continue;
    const QString name = section ? NamePart(*section) + u'/' + NamePart(key) : NamePart(key);
    if (seen.contains(name.toLower())) continue;
    seen.insert(name.toLower());
    map.insert(name, ProfileValue(t.sliced(equals + 1)));
  }
  return map;
}

std::optional<QByteArray> ProfileBytes(const QSettings::SettingsMap& map) {
  QByteArray unsectioned;  // keys a reader meets before the first header
  QMap<QString, QByteArray> sections;
  for (auto it = map.cbegin(); it != map.cend(); ++it) {
    const qsizetype slash = it.key().indexOf(u'/');
    const QString section = slash < 0 ? QString() : FromNamePart(it.key().first(slash));
    const QString key = FromNamePart(slash < 0 ? it.key() : it.key().sliced(slash + 1));
    const std::optional<QString> value =
        it.value().canConvert<QString>() ? ProfileValueText(it.value().toString()) : std::nullopt;
    if (!value || !IsSectionName(section) || !IsKeyName(key)) return std::nullopt;
    (slash < 0 ? unsectioned : sections[section]) += key.toUtf8() + '=' + value->toUtf8() + '\n';
  }
  QByteArray out = unsectioned;
  for (auto it = sections.cbegin(); it != sections.cend(); ++it) {
    if (!out.isEmpty()) out += '\n';
    out += '[' + it.key().toUtf8() + "]\n" + it.value();
  }
  return out;
}
