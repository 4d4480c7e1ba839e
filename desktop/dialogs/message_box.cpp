// QMessageBox with the buttons, icons and default title the operations ask for.
#include "dialogs/message_box.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>

#include "qt_convert.h"

namespace {
QMessageBox::Icon ToIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

// QMessageBox sizes itself to its text only, so a long title ends in "…" on a short question. A spacer
// across the box keeps it as wide as the title with the title bar's buttons beside it.
void FitTitle(QMessageBox& box) {
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (!grid) return;
  const int width =
      QFontMetrics(QApplication::font("QMdiSubWindowTitleBar")).horizontalAdvance(box.windowTitle());
  grid->addItem(new QSpacerItem(width + 120, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(),
                0, 1, grid->columnCount());
}
}  // namespace

MessageAnswer ShowMessageBox(QWidget* parent, const Message& m) {
  QMessageBox box(ToIcon(m.icon), m.title.empty() ? QString::fromUtf8(kMessageBoxTitle) : ToQt(m.title),
                  ToQt(m.text), QMessageBox::NoButton, parent);
  // Our own texts, so the buttons read right even where Qt's translation is missing.
  struct Choice {
    QMessageBox::StandardButton button;
    const char* text;
    MessageAnswer answer;
  };
  std::vector<Choice> choices;
  switch (m.buttons) {
    case MessageButtons::Ok: choices = {{QMessageBox::Ok, "OK", MessageAnswer::Ok}}; break;
    case MessageButtons::OkCancel:
      choices = {{QMessageBox::Ok, "OK", MessageAnswer::Ok},
                 {QMessageBox::Cancel, "キャンセル", MessageAnswer::Cancel}};
      break;
    case MessageButtons::YesNo:
      choices = {{QMessageBox::Yes, "はい(&Y)", MessageAnswer::Yes},
                 {QMessageBox::No, "いいえ(&N)", MessageAnswer::No}};
      break;
  }
  for (const Choice& c : choices) box.addButton(c.button)->setText(QString::fromUtf8(c.text));
  FitTitle(box);
  const int pressed = box.exec();
  for (const Choice& c : choices) {
    if (pressed == c.button) return c.answer;
  }
  return choices.size() > 1 ? choices.back().answer : MessageAnswer::Ok;
}
