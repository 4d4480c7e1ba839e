#include "web/front/page_dialogs.h"

#include <emscripten.h>

#include <cstdlib>

#include "core/figure/figure_file.h"
#include "core/figure/text.h"
#include "web/glue/page.h"

// clang-format off
// The two option dialogs of site/options.js. "確認" comes back as the check box in bit 0, the step from
// bit 1 and the size from bit 8; a dialog closed otherwise as -1.
EM_JS(void, js_prepare_other_options, (), { Module.page.prepareOtherOptions(); });
EM_ASYNC_JS(int, js_open_other_options, (), { return await Module.page.openOtherOptions(); });
// The folder's name when one was picked and confirmed, else nothing.
EM_ASYNC_JS(char16_t*, js_data_path_dialog, (const char16_t* current, int length, int* out_length), {
  const name = await Module.page.dataPathDialog(UTF16ToString(current, length * 2));
  if (name === null) return 0;
  const bytes = name.length * 2 + 2;
  const out = _malloc(bytes);
  stringToUTF16(name, out, bytes);
  HEAP32[out_length >> 2] = name.length;
  return out;
});
// clang-format on

namespace {
// The first filter's description and extension: "立体ヌボロデータファイル(*.nbo) (*.nbo)" gives the
// description before the last " (" and ".nbo".
struct Kind {
  std::u16string description, extension;
};
Kind FirstKind(const std::vector<std::u16string>& filters) {
  if (filters.empty()) return {};
  const std::u16string& f = filters.front();
  const std::size_t open = f.rfind(u" (");
  const std::size_t star = f.find(u'*', open == std::u16string::npos ? 0 : open);
  if (open == std::u16string::npos || star == std::u16string::npos) return {f, {}};
  return {f.substr(0, open), f.substr(star + 1, f.size() - star - 2)};
}
}  // namespace

MessageAnswer PageDialogs::ShowMessage(const Message& m) {
  return static_cast<MessageAnswer>(
      page::Ask(m.text, m.title, static_cast<page::Buttons>(m.buttons), static_cast<page::Icon>(m.icon)));
}

// The browser names no folders: the chosen file's name is its path, under which its bytes are kept for
// the core to read. The picker starts in the kept data folder by itself.
std::optional<std::u16string> PageDialogs::RunOpenDialog(const std::u16string&,
                                                         const std::vector<std::u16string>& filters) {
  const Kind kind = FirstKind(filters);
  page::OpenedFile opened = page::OpenFile(kind.extension, kind.description);
  if (opened.result == page::FileResult::Cancelled || opened.file.name.empty()) return std::nullopt;
  file_name_ = opened.file.name;
  std::optional<std::string> bytes;
  if (opened.result == page::FileResult::Done) bytes = std::move(opened.file.bytes);
  files_.KeepChosen(file_name_, std::move(bytes));
  return file_name_;
}

std::optional<std::u16string> PageDialogs::RunSaveDialog(const std::u16string&,
                                                         const std::vector<std::u16string>& filters) {
  const Kind kind = FirstKind(filters);
  const page::SaveTarget target =
      page::ChooseSaveFile(FilePartOfPath(file_name_), kind.extension, kind.description);
  if (target.result != page::FileResult::Done) return std::nullopt;
  file_name_ = target.name;
  return file_name_;
}

void PageDialogs::PrepareOtherOptions() { js_prepare_other_options(); }

void PageDialogs::OpenOtherOptions() {
  const int answer = js_open_other_options();
  if (answer < 0) return;
  apply_other_options_({(answer & 1) != 0, NumberText((answer >> 1) & 0x7f), NumberText(answer >> 8)});
}

DataPathChoice PageDialogs::RunDataPathDialog(const std::u16string& current) {
  int length = 0;
  char16_t* name = js_data_path_dialog(current.data(), static_cast<int>(current.size()), &length);
  if (!name) return {};
  DataPathChoice choice{true, std::u16string(name, static_cast<std::size_t>(length))};
  std::free(name);
  // Stored with the other settings once the command has run, beside the folder handle the page keeps.
  return choice;
}
