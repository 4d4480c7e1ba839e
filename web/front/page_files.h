// Files as the browser has them: the program's own files fetched from the site, the learner's figures
// through the page's pickers (or an upload and a download).
#pragma once

#include <optional>
#include <string>
#include <utility>

#include "core/shell/files.h"

class SiteFiles : public Files {
 public:
  // The file chosen in the open dialog is read from the bytes kept here, any other from the site.
  FileStatus ReadAll(const std::u16string& path, std::size_t maxBytes, std::string& bytes) override;
  // Writes to the file last chosen in the save dialog, or downloads the bytes under the path's name.
  FileStatus ReplaceAll(const std::u16string& path, std::string_view bytes) override;
  // The browser keeps no folders the program could write to by name.
  bool IsWritableFolder(const std::u16string&) const override { return false; }
  std::u16string AbsolutePath(const std::u16string& path) const override { return path; }

  // The core reads the chosen file at once, and only once. Without bytes it could not be read.
  void KeepChosen(std::u16string path, std::optional<std::string> bytes) {
    chosen_.emplace(std::move(path), std::move(bytes));
  }

 private:
  std::optional<std::pair<std::u16string, std::optional<std::string>>> chosen_;
};
