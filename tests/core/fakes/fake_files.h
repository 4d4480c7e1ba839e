// Files in memory for tests: whole files by path, folders that can be written, and writes that fail.
#pragma once

#include <map>
#include <set>

#include "shell/files.h"

class FakeFiles : public Files {
 public:
  FileStatus ReadAll(const std::u16string& path, std::size_t maxBytes, std::string& bytes) override {
    if (folders.contains(path)) return FileStatus::NotRegular;
    const auto it = files.find(path);
    if (it == files.end()) return FileStatus::CannotOpen;
    if (it->second.size() > maxBytes) return FileStatus::TooLarge;
    bytes = it->second;
    return FileStatus::Ok;
  }
  FileStatus ReplaceAll(const std::u16string& path, std::string_view bytes) override {
    if (failWrites != FileStatus::Ok) return failWrites;
    files[path] = std::string(bytes);
    return FileStatus::Ok;
  }
  bool IsWritableFolder(const std::u16string& path) const override { return folders.contains(path); }
  // The current folder is "/work".
  std::u16string AbsolutePath(const std::u16string& path) const override {
    return path.starts_with(u'/') ? path : u"/work/" + path;
  }

  std::map<std::u16string, std::string> files;
  std::set<std::u16string> folders;  // all writable
  FileStatus failWrites = FileStatus::Ok;
};
