// A named pipe that nobody writes to, for readers that must refuse it rather than wait on it.
#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QString>
#include <chrono>
#include <functional>
#include <future>

// True when `read` returned by itself. A reader that opened the pipe waits for a writer for ever; after
// a generous wait one comes and goes, so that the test ends and fails instead of hanging.
inline bool ReturnsWithoutAWriter(const QString& fifo, const std::function<void()>& read) {
  std::future<void> done = std::async(std::launch::async, read);
  const bool returned = done.wait_for(std::chrono::seconds(30)) == std::future_status::ready;
  const QByteArray path = fifo.toLocal8Bit();
  while (done.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready) {
    const int fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK);
    if (fd >= 0) ::close(fd);
  }
  done.get();
  return returned;
}

inline bool MakeFifo(const QString& path) { return ::mkfifo(path.toLocal8Bit().constData(), 0600) == 0; }
