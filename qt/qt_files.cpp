// Whole files through QFile and QSaveFile.
#include "qt_files.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QString>

FileStatus QtFiles::ReadAll(const std::u16string& path, std::size_t maxBytes, std::string& bytes) {
  const QString name = QString::fromStdU16String(path);
  // Opening a named pipe waits for a writer, for ever; a device or a folder holds no figure either.
  const QFileInfo info(name);
  if (info.exists() && !info.isFile()) return FileStatus::NotRegular;
  QFile file(name);
  if (!file.open(QIODevice::ReadOnly)) return FileStatus::CannotOpen;
  const auto bound = static_cast<qint64>(maxBytes);
  bytes.clear();
  if (!file.isSequential() && file.size() > 0) {
    // One buffer of the file's own size; a file past the bound is refused before anything is read.
    if (file.size() > bound) return FileStatus::TooLarge;
    bytes.resize(static_cast<std::size_t>(file.size()));
    const qint64 got = file.read(bytes.data(), file.size());
    bytes.resize(static_cast<std::size_t>(std::max<qint64>(got, 0)));
  } else {
    char chunk[64 * 1024];
    while (static_cast<qint64>(bytes.size()) <= bound) {
      const qint64 got = file.read(chunk, sizeof chunk);
      if (got <= 0) break;
      bytes.append(chunk, static_cast<std::size_t>(got));
    }
    if (static_cast<qint64>(bytes.size()) > bound) return FileStatus::TooLarge;
  }
  return FileStatus::Ok;
}

FileStatus QtFiles::ReplaceAll(const std::u16string& path, std::string_view bytes) {
  QSaveFile file(QString::fromStdU16String(path));
  if (!file.open(QIODevice::WriteOnly)) return FileStatus::CannotCreate;
  const auto size = static_cast<qint64>(bytes.size());
  // A short write or a failed flush must never reach commit(): the old file would be replaced.
  if (file.write(bytes.data(), size) != size || !file.flush() || file.error() != QFileDevice::NoError) {
    file.cancelWriting();
    return FileStatus::CannotWrite;
  }
  return file.commit() ? FileStatus::Ok : FileStatus::CannotCommit;
}

bool QtFiles::IsWritableFolder(const std::u16string& path) const {
  const QFileInfo info(QString::fromStdU16String(path));
  return info.isDir() && info.isWritable();
}

std::u16string QtFiles::AbsolutePath(const std::u16string& path) const {
  return QFileInfo(QString::fromStdU16String(path)).absoluteFilePath().toStdU16String();
}
