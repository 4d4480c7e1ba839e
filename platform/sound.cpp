// Placeholder until the sound layer lands.
#include "platform/sound.h"

WavePlayer::WavePlayer(QObject* parent) : QObject(parent) {}
WavePlayer::~WavePlayer() = default;
void WavePlayer::Play(const QString&, bool) {}
double WaveDurationSeconds(const QString&) { return -1; }
