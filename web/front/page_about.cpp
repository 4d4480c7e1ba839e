// About, the splash and the help pages of the page (site/about.js, site/help.js).
#include <emscripten.h>

#include "core/shell/status_bar.h"
#include "web/front/page_dialogs.h"

namespace {
int Length(const std::u16string& text) { return static_cast<int>(text.size()); }
}  // namespace

// The bodies are JavaScript.
// clang-format off
EM_JS(void, js_load_about, (), { Module.page.loadAbout(); });
EM_JS(void, js_show_about, (const char16_t* picture, int picture_length, int with_ok,
                            const char16_t* title, int title_length), {
  Module.page.showAbout(UTF16ToString(picture, picture_length * 2), with_ok !== 0,
                        UTF16ToString(title, title_length * 2));
});
EM_JS(void, js_close_about, (), { Module.page.closeAbout(); });
EM_JS(void, js_open_help, (const char16_t* path, int length), {
  Module.page.openHelp(UTF16ToString(path, length * 2));
});
// clang-format on

void PageDialogs::LoadAboutWindow() { js_load_about(); }

void PageDialogs::ShowAboutWindow(const std::u16string& picture, bool withOkButton) {
  const std::u16string title = BaseTitle();
  js_show_about(picture.data(), Length(picture), withOkButton ? 1 : 0, title.data(), Length(title));
}

void PageDialogs::UnloadAboutWindow() { js_close_about(); }

// The help opens beside the program, which goes on at once, as with the desktop's help window.
void PageDialogs::OpenHelpFile(const std::u16string& path) { js_open_help(path.data(), Length(path)); }
