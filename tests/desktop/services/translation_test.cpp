// Qt's own dialogs speak Japanese once the toolkit translation is installed.
#include "services/translation.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>

TEST(ToolkitJapanese, FileDialogAndButtonTextsAreJapanese) {
  QTranslator translator;
  ASSERT_TRUE(InstallToolkitJapanese(translator)) << "qtbase_ja missing: is qt6-translations-l10n installed?";
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("キャンセル"));
  EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Open"), QStringLiteral("開く"));
  QCoreApplication::removeTranslator(&translator);
  EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Open"), QStringLiteral("Open"));
}
