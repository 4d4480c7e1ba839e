// Qt's Japanese translation comes from the system's Qt translations folder.
#include "services/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool InstallToolkitJapanese(QTranslator& translator) {
  // The whole program speaks Japanese, so the toolkit's formatting does too.
  QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
  if (!translator.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    return false;
  return QCoreApplication::installTranslator(&translator);
}
