// Wave sounds through Qt Multimedia: fire-and-forget for the turn click, or waiting for the end.
#pragma once

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>

class QSoundEffect;

class WavePlayer : public QObject {
  Q_OBJECT
 public:
  explicit WavePlayer(QObject* parent = nullptr);
  ~WavePlayer() override;

  // `file` is a full path. Without `wait` it returns at once; with it, when the sound has ended,
  // and never later than the file's length plus half a second. A missing or bad file plays nothing.
  void Play(const QString& file, bool wait);

 private:
  // The loaded effect for `file`, made on first use; nullptr for a file that is not a playable wave
  // or when there is no audio output.
  QSoundEffect* EffectFor(const QString& file);

  QHash<QString, QSoundEffect*> effects_;  // children of this player
  QHash<QString, double> seconds_;         // each effect's playing time
  QSet<QString> unplayable_;               // asked once: the turn click comes with every redraw
};

// Playing time of a PCM wave file from its header; a negative value when it is not one.
double WaveDurationSeconds(const QString& file);
