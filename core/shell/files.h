// Whole files in and out, and the few questions about folders that the operations ask.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

enum class FileStatus {
  Ok,
  NotRegular,  // a folder, device or pipe: opening one could wait for ever
  CannotOpen,
  TooLarge,  // past the reader's bound; nothing was read
  CannotCreate,
  CannotWrite,   // the old file stays as it was
  CannotCommit,  // the old file stays as it was
};

class Files {
 public:
  virtual ~Files() = default;
  // The whole content of a regular file (or a link to one) of at most `maxBytes` bytes.
  virtual FileStatus ReadAll(const std::u16string& path, std::size_t maxBytes, std::string& bytes) = 0;
  // Replaces the file only once every byte has been written and flushed.
  virtual FileStatus ReplaceAll(const std::u16string& path, std::string_view bytes) = 0;
  virtual bool IsWritableFolder(const std::u16string& path) const = 0;
  virtual std::u16string AbsolutePath(const std::u16string& path) const = 0;
};
