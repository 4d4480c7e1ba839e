// Files as the browser has them: the program's own files fetched from the site.
#pragma once

#include <string>

#include "core/shell/files.h"

class SiteFiles : public Files {
 public:
  FileStatus ReadAll(const std::u16string& path, std::size_t maxBytes, std::string& bytes) override;
  FileStatus ReplaceAll(const std::u16string&, std::string_view) override { return FileStatus::CannotCreate; }
  bool IsWritableFolder(const std::u16string&) const override { return false; }
  std::u16string AbsolutePath(const std::u16string& path) const override { return path; }
};
