// The program's dialogs as HTML dialogs of the page; each call waits (Asyncify) for the answer.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/shell/dialogs.h"

class PageDialogs : public Dialogs {
 public:
  MessageAnswer ShowMessage(const Message& m) override;
  std::optional<std::u16string> RunOpenDialog(const std::u16string& folder,
                                              const std::vector<std::u16string>& filters) override;
  std::optional<std::u16string> RunSaveDialog(const std::u16string& folder,
                                              const std::vector<std::u16string>& filters) override;
  std::u16string DialogFileName() const override { return file_name_; }
  void SetDialogFileName(const std::u16string& path) override { file_name_ = path; }
  void PrepareOtherOptions() override {}
  void OpenOtherOptions() override {}
  DataPathChoice RunDataPathDialog(const std::u16string&) override { return {}; }
  // About, the splash and help (page_about.cpp).
  void ShowAboutWindow(const std::u16string& picture, bool withOkButton) override;
  void LoadAboutWindow() override;
  void UnloadAboutWindow() override;
  void OpenHelpFile(const std::u16string& path) override;

 private:
  std::u16string file_name_;
};
