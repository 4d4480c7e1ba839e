// The message boxes as the user meets them: Japanese buttons, the first one the default, the title whole.
#include "dialogs/message_box.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

TEST(MessageBox, ShowsItsWholeTitleAndDefaultsToTheFirstButton) {
  struct Case {
    Message m;
    QStringList buttons;
  } cases[] = {
      {{u"ほんとうに終わりますか？", u"立体ぬぼろの終了確認です", MessageButtons::OkCancel,
        MessageIcon::Question},
       {QStringLiteral("OK"), QStringLiteral("キャンセル")}},
      {{u"データが変更されています。保存しますか？", u"ちょっとまってね", MessageButtons::YesNo,
        MessageIcon::Question},
       {QStringLiteral("はい(&Y)"), QStringLiteral("いいえ(&N)")}},
  };
  for (const Case& k : cases) {
    QStringList seen;
    int width = 0;
    QString defaultText;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);  // nothing to close then: exec() never ran
      QPushButton* chosen = nullptr;
      for (QAbstractButton* b : box->buttons()) {
        seen << b->text();
        auto* push = qobject_cast<QPushButton*>(b);
        if (push && push->isDefault()) chosen = push;
      }
      width = box->width();
      if (!chosen) {
        ADD_FAILURE() << "no default button";
        box->reject();
        return;
      }
      defaultText = chosen->text();
      chosen->click();
    });
    const MessageAnswer answer = ShowMessageBox(nullptr, k.m);
    seen.sort();
    QStringList want = k.buttons;
    want.sort();
    EXPECT_EQ(seen, want);
    EXPECT_EQ(defaultText, k.buttons[0]);
    EXPECT_EQ(answer, k.m.buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok);
    const QString title = QString::fromStdU16String(k.m.title);
    EXPECT_GT(width, QFontMetrics(QApplication::font()).horizontalAdvance(title) + 100)
        << title.toStdString();
  }
}
