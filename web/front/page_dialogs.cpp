#include "web/front/page_dialogs.h"

#include "web/glue/page.h"

MessageAnswer PageDialogs::ShowMessage(const Message& m) {
  return static_cast<MessageAnswer>(
      page::Ask(m.text, m.title, static_cast<page::Buttons>(m.buttons), static_cast<page::Icon>(m.icon)));
}

// Choosing the learner's files comes next; until then every choice is cancelled.
std::optional<std::u16string> PageDialogs::RunOpenDialog(const std::u16string&,
                                                         const std::vector<std::u16string>&) {
  return std::nullopt;
}
std::optional<std::u16string> PageDialogs::RunSaveDialog(const std::u16string&,
                                                         const std::vector<std::u16string>&) {
  return std::nullopt;
}
