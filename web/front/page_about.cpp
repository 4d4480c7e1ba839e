// About, the splash and the help pages of the page.
#include "web/front/page_dialogs.h"

void PageDialogs::ShowAboutWindow(const std::u16string&, bool) {}
void PageDialogs::LoadAboutWindow() {}
void PageDialogs::UnloadAboutWindow() {}
void PageDialogs::OpenHelpFile(const std::u16string&) {}
