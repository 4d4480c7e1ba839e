// Whole files in and out, for tests that make files or read them back.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <string>

inline QByteArray FileBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool PutFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size() && f.flush();
}
// The core's bytes, and literals, which would otherwise fit both.
inline bool PutFile(const QString& path, const std::string& bytes) {
  return PutFile(path, QByteArray::fromStdString(bytes));
}
inline bool PutFile(const QString& path, const char* bytes) { return PutFile(path, QByteArray(bytes)); }
