// The program's dialogs as HTML dialogs of the page; each call waits (Asyncify) for the answer.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/settings/other_options.h"
#include "core/shell/dialogs.h"
#include "web/front/page_files.h"

class PageDialogs : public Dialogs {
 public:
  // The learner's chosen files go to `files`, the other options' "確認" to `applyOtherOptions`.
  PageDialogs(SiteFiles& files, std::function<void(const OtherOptionValues&)> applyOtherOptions)
      : files_(files), apply_other_options_(std::move(applyOtherOptions)) {}

  MessageAnswer ShowMessage(const Message& m) override;
  std::optional<std::u16string> RunOpenDialog(const std::u16string& folder,
                                              const std::vector<std::u16string>& filters) override;
  std::optional<std::u16string> RunSaveDialog(const std::u16string& folder,
                                              const std::vector<std::u16string>& filters) override;
  std::u16string DialogFileName() const override { return file_name_; }
  void SetDialogFileName(const std::u16string& path) override { file_name_ = path; }
  void PrepareOtherOptions() override;
  void OpenOtherOptions() override;
  DataPathChoice RunDataPathDialog(const std::u16string& current) override;
  // About, the splash and help (page_about.cpp).
  void ShowAboutWindow(const std::u16string& picture, bool withOkButton) override;
  void LoadAboutWindow() override;
  void UnloadAboutWindow() override;
  void OpenHelpFile(const std::u16string& path) override;

 private:
  SiteFiles& files_;
  std::function<void(const OtherOptionValues&)> apply_other_options_;
  std::u16string file_name_;
};
