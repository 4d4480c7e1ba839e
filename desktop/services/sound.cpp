// Wave sounds through Qt Multimedia, and a bounded reader of the wave header for their length.
#include "services/sound.h"

#include <QAudioDevice>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QPointer>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <limits>

namespace {

// A waiting play may overrun the sound by this much: the end is reported only after the output drains.
constexpr double kWaitSlackSeconds = 0.5;
// Real files carry a handful of chunks; a bound keeps a hostile file from making us walk for long.
constexpr int kMaxChunks = 64;

bool ReadAt(QFile& f, qint64 pos, char* buffer, qint64 length) {
  return f.seek(pos) && f.read(buffer, length) == length;
}

}  // namespace

double WaveDurationSeconds(const QString& file) {
  QFile f(file);
  if (!f.open(QIODevice::ReadOnly)) return -1;
  const qint64 size = f.size();

  char riff[12];
  if (!ReadAt(f, 0, riff, sizeof riff) || std::memcmp(riff, "RIFF", 4) != 0 ||
      std::memcmp(riff + 8, "WAVE", 4) != 0)
    return -1;

  // The stored RIFF and chunk sizes are not trusted: every offset is checked against the real size.
  qint64 bytesPerSecond = 0;
  qint64 frameBytes = 0;
  qint64 pos = 12;
  for (int n = 0; n < kMaxChunks && pos + 8 <= size; ++n) {
    char header[8];
    if (!ReadAt(f, pos, header, sizeof header)) return -1;
    const qint64 length = qFromLittleEndian<quint32>(header + 4);
    const qint64 body = pos + 8;

    if (std::memcmp(header, "fmt ", 4) == 0) {
      char fmt[26];
      if (length < 16 || body + 16 > size) return -1;
      const qint64 fmtRead = std::min<qint64>({length, qint64(sizeof fmt), size - body});
      if (!ReadAt(f, body, fmt, fmtRead)) return -1;
      quint16 tag = qFromLittleEndian<quint16>(fmt);
      const quint16 channels = qFromLittleEndian<quint16>(fmt + 2);
      const quint32 rate = qFromLittleEndian<quint32>(fmt + 4);
      const quint16 blockAlign = qFromLittleEndian<quint16>(fmt + 12);
      const quint16 bits = qFromLittleEndian<quint16>(fmt + 14);
      // The extensible form names its real format in the first two bytes of the sub-format.
      if (tag == 0xFFFE) tag = fmtRead >= 26 ? qFromLittleEndian<quint16>(fmt + 24) : 0;
      const bool pcmBits = bits == 8 || bits == 16 || bits == 24 || bits == 32;
      if (tag != 1 || channels == 0 || !pcmBits || rate < 1000 || rate > 768000 ||
          blockAlign != channels * (bits / 8))
        return -1;
      // The stored byte rate is advisory; playing consumes rate × frame size.
      frameBytes = blockAlign;
      bytesPerSecond = qint64(rate) * blockAlign;
    } else if (std::memcmp(header, "data", 4) == 0) {
      if (bytesPerSecond == 0) return -1;            // players need the format before the samples
      qint64 bytes = std::min(length, size - body);  // a cut-off file plays only what is there
      bytes -= bytes % frameBytes;
      return double(bytes) / double(bytesPerSecond);
    }
    pos = body + length + (length & 1);  // chunks are padded to even length
  }
  return -1;
}

WavePlayer::WavePlayer(QObject* parent) : QObject(parent) {}

WavePlayer::~WavePlayer() = default;

QSoundEffect* WavePlayer::EffectFor(const QString& file) {
  if (QSoundEffect* effect = effects_.value(file)) return effect;
  if (unplayable_.contains(file)) return nullptr;
  // Checked here so that a missing or broken file never reaches Qt, which would warn about it.
  const double seconds = QFileInfo(file).isFile() ? WaveDurationSeconds(file) : -1;
  // Without an output Qt reports an effect as playing for ever; there is nothing to hear anyway.
  // Asked only now, since the first question about devices makes Qt Multimedia log its setup.
  if (seconds < 0 || QMediaDevices::defaultAudioOutput().isNull()) {
    unplayable_.insert(file);
    return nullptr;
  }
  auto* effect = new QSoundEffect(this);
  effect->setSource(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()));
  effects_.insert(file, effect);
  seconds_.insert(file, seconds);
  return effect;
}

void WavePlayer::Play(const QString& file, bool wait) {
  QSoundEffect* effect = EffectFor(file);
  if (!effect) return;
  if (effect->status() == QSoundEffect::Error || effect->status() == QSoundEffect::Null) return;

  const double deadline = seconds_.value(file) + kWaitSlackSeconds;
  QTimer timer;
  timer.setSingleShot(true);
  if (wait) timer.start(int(std::min(deadline * 1000.0, double(std::numeric_limits<int>::max()))));

  // A new play of the same sound starts it over; stopping first spells that out instead of leaning on
  // what play() does to an effect that is still running.
  effect->stop();
  effect->play();
  if (!wait) return;

  // The output is fed from this thread, so the wait runs events; user input waits until the sound ends.
  QEventLoop loop;
  QPointer<QSoundEffect> guard(effect);
  auto ended = [&guard] {
    return !guard || !guard->isPlaying() || guard->status() == QSoundEffect::Error ||
           guard->status() == QSoundEffect::Null;
  };
  auto check = [&loop, &ended] {
    if (ended()) loop.quit();
  };
  connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
  connect(effect, &QSoundEffect::playingChanged, &loop, check);
  connect(effect, &QSoundEffect::statusChanged, &loop, check);
  connect(effect, &QObject::destroyed, &loop, &QEventLoop::quit);
  if (!ended()) loop.exec(QEventLoop::ExcludeUserInputEvents);
}
