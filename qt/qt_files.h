// The core's file access over Qt: whole files read with a bound, replaced through QSaveFile.
#pragma once

#include "shell/files.h"

class QtFiles : public Files {
 public:
  FileStatus ReadAll(const std::u16string& path, std::size_t maxBytes, std::string& bytes) override;
  FileStatus ReplaceAll(const std::u16string& path, std::string_view bytes) override;
  bool IsWritableFolder(const std::u16string& path) const override;
  std::u16string AbsolutePath(const std::u16string& path) const override;
};
