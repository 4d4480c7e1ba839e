// Wave header reading on made-up files, and the timing promises of the wave player.
#include "services/sound.h"

#include <gtest/gtest.h>

#include <QAudioDevice>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTimer>
#include <QtEndian>
#include <vector>

namespace {

template <typename T>
QByteArray Le(T v) {
  char b[sizeof v];
  qToLittleEndian(v, b);
  return QByteArray(b, sizeof v);
}
QByteArray Le16(quint16 v) { return Le(v); }
QByteArray Le32(quint32 v) { return Le(v); }

QByteArray Chunk(const char* id, const QByteArray& body) {
  QByteArray c = QByteArray(id, 4) + Le32(quint32(body.size())) + body;
  if (body.size() % 2) c += '\0';
  return c;
}

// A chunk whose stated size need not match what follows it.
QByteArray ChunkClaiming(const char* id, quint32 stated, const QByteArray& body) {
  return QByteArray(id, 4) + Le32(stated) + body;
}

QByteArray FmtBody(quint16 tag, quint16 channels, quint32 rate, quint16 bits) {
  const quint16 align = quint16(channels * (bits / 8));
  return Le16(tag) + Le16(channels) + Le32(rate) + Le32(rate * align) + Le16(align) + Le16(bits);
}

QByteArray Riff(const QByteArray& chunks) {
  return "RIFF" + Le32(quint32(4 + chunks.size())) + "WAVE" + chunks;
}

QByteArray Samples(double seconds, quint32 rate, int frameBytes) {
  return QByteArray(qsizetype(seconds * rate + 0.5) * frameBytes, '\x11');
}

QByteArray PcmWave(quint32 rate, quint16 channels, quint16 bits, double seconds) {
  return Riff(Chunk("fmt ", FmtBody(1, channels, rate, bits)) +
              Chunk("data", Samples(seconds, rate, channels * bits / 8)));
}

class WaveFiles : public ::testing::Test {
 protected:
  QString Write(const QString& name, const QByteArray& bytes) {
    const QString path = dir_.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
  }

  QTemporaryDir dir_;
};

bool HaveAudioOutput() { return !QMediaDevices::defaultAudioOutput().isNull(); }

// Lets queued work of the effects run, as the program's own event loop would between commands.
void RunEventsFor(int ms) {
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

}  // namespace

using WaveDuration = WaveFiles;

TEST_F(WaveDuration, MeasuresTheSamplesThatAreThere) {
  const QByteArray fmt = Chunk("fmt ", FmtBody(1, 1, 22050, 16));
  const QByteArray ext =
      FmtBody(0xFFFE, 1, 44100, 24) + Le16(22) + Le16(24) + Le32(4) + Le16(1) + QByteArray(14, '\x01');
  QByteArray wrongRiffSize = PcmWave(22050, 1, 16, 0.2);
  wrongRiffSize.replace(4, 4, Le32(0));
  struct Case {
    const char* what;
    QByteArray bytes;
    double seconds;
  };
  const std::vector<Case> cases = {
      {"mono 16 bits", PcmWave(22050, 1, 16, 0.2), 0.2},
      {"stereo 8 bits", PcmWave(44100, 2, 8, 0.5), 0.5},
      {"stereo 24 bits", PcmWave(48000, 2, 24, 0.1), 0.1},
      {"mono 32 bits", PcmWave(8000, 1, 32, 1.0), 1.0},
      {"no samples", PcmWave(11025, 1, 16, 0), 0},
      {"extensible PCM", Riff(Chunk("fmt ", ext) + Chunk("data", Samples(0.25, 44100, 3))), 0.25},
      {"other chunks, odd sizes, long fmt",
       Riff(Chunk("LIST", "odd") + Chunk("fmt ", FmtBody(1, 1, 22050, 16) + Le16(0)) +
            Chunk("fact", Le32(1)) + Chunk("data", Samples(0.2, 22050, 2))),
       0.2},
      // As left by a writer that died, or by a hostile file: only what is in the file plays.
      {"data size past the end", Riff(fmt + ChunkClaiming("data", 0xFFFFFFFFu, Samples(0.1, 22050, 2))), 0.1},
      {"cut inside a frame", Riff(fmt + ChunkClaiming("data", 44100, Samples(0.05, 22050, 2) + "x")), 0.05},
      {"wrong RIFF size", wrongRiffSize, 0.2},
  };
  for (const Case& c : cases)
    EXPECT_NEAR(WaveDurationSeconds(Write("w.wav", c.bytes)), c.seconds, 1e-4) << c.what;
}

TEST_F(WaveDuration, RejectsWhatIsNotAPlayablePcmWave) {
  const QByteArray data = Chunk("data", Samples(0.1, 22050, 2));
  const QByteArray good = PcmWave(22050, 1, 16, 0.1);
  struct Case {
    const char* what;
    QByteArray bytes;
  };
  const std::vector<Case> cases = {
      {"empty", {}},
      {"garbage", QByteArray::fromHex("00ff1337").repeated(300)},
      {"other RIFF", "RIFF" + Le32(100) + "AVI " + QByteArray(100, '\0')},
      {"header only", good.left(12)},
      {"cut in fmt", good.left(24)},
      {"data before fmt", Riff(data + Chunk("fmt ", FmtBody(1, 1, 22050, 16)))},
      {"no data", Riff(Chunk("fmt ", FmtBody(1, 1, 22050, 16)))},
      {"short fmt", Riff(Chunk("fmt ", FmtBody(1, 1, 22050, 16).left(14)) + data)},
      {"compressed", Riff(Chunk("fmt ", FmtBody(2, 1, 22050, 16)) + data)},
      {"float", Riff(Chunk("fmt ", FmtBody(3, 1, 22050, 32)) + data)},
      {"no channels", Riff(Chunk("fmt ", FmtBody(1, 0, 22050, 16)) + data)},
      {"rate zero", Riff(Chunk("fmt ", FmtBody(1, 1, 0, 16)) + data)},
      {"odd bits", Riff(Chunk("fmt ", FmtBody(1, 1, 22050, 12)) + data)},
      {"frame size lies", Riff(Chunk("fmt ", FmtBody(1, 2, 22050, 16).replace(12, 2, Le16(1))) + data)},
      {"chunk size past the end", Riff(ChunkClaiming("LIST", 0xFFFFFFF0u, "x") + good.mid(12))},
      {"endless empty chunks",
       Riff(Chunk("fmt ", FmtBody(1, 1, 22050, 16)) + Chunk("junk", {}).repeated(100000) + data)},
  };
  for (const Case& c : cases) EXPECT_LT(WaveDurationSeconds(Write("bad.wav", c.bytes)), 0) << c.what;
  EXPECT_LT(WaveDurationSeconds(dir_.filePath("missing.wav")), 0);
  EXPECT_LT(WaveDurationSeconds(dir_.path()), 0);
}

TEST(TurnSound, IsAShortQuietClickInAPlainFormat) {
  const QString path = QStringLiteral(NUBORO_SOURCE_DIR "/assets/sound/turn.wav");
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << qPrintable(path);
  const QByteArray head = f.read(44);
  ASSERT_EQ(head.size(), 44);
  EXPECT_EQ(qFromLittleEndian<quint16>(head.constData() + 22), 1);   // mono
  EXPECT_EQ(qFromLittleEndian<quint16>(head.constData() + 34), 16);  // bits
  const quint32 rate = qFromLittleEndian<quint32>(head.constData() + 24);
  EXPECT_TRUE(rate == 22050 || rate == 44100) << rate;
  const double seconds = WaveDurationSeconds(path);
  EXPECT_GT(seconds, 0);
  EXPECT_LE(seconds, 0.06);
}

using WavePlayerTest = WaveFiles;

TEST_F(WavePlayerTest, BadFilesReturnAtOnceAndReportNothing) {
  static int messages = 0;
  messages = 0;
  const QtMessageHandler previous =
      qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) { ++messages; });
  const std::vector<QString> files = {
      dir_.filePath("missing.wav"), Write("garbage.wav", QByteArray(4000, '\x5a')),
      Write("text.wav", "RIFF but only in words"), Write("empty.wav", {}), dir_.path()};
  WavePlayer player;
  for (const QString& file : files) {
    for (bool wait : {false, true}) {
      // A play that waits runs events until the sound ends; one that returns at once runs none, so a
      // timer due now is still pending after it. Not a clock: a busy machine cannot make this fail.
      bool eventsRan = false;
      QTimer::singleShot(0, &player, [&eventsRan] { eventsRan = true; });
      player.Play(file, wait);
      EXPECT_FALSE(eventsRan) << qPrintable(file) << " wait=" << wait;
      RunEventsFor(0);
    }
  }
  qInstallMessageHandler(previous);
  EXPECT_EQ(messages, 0);
  EXPECT_TRUE(player.findChildren<QSoundEffect*>().isEmpty());
}

TEST_F(WavePlayerTest, WaitingPlayLastsTheSoundAndAtMostHalfASecondMore) {
  const QString file = Write("tone.wav", PcmWave(22050, 1, 16, 0.2));
  WavePlayer player;
  // Also while the same sound still runs: the new play starts it over, so the wait is neither cut
  // short by the restart nor ended by the earlier play.
  for (bool replay : {false, true}) {
    if (replay) {
      player.Play(file, false);
      RunEventsFor(100);
    }
    QElapsedTimer t;
    t.start();
    player.Play(file, true);
    const qint64 ms = t.elapsed();
    // The deadline ends a wait the output never ends; a busy machine runs its timer late, so the bound
    // here only tells a capped wait from one that follows the output for ever.
    EXPECT_LE(ms, 200 + 500 + 3000) << "replay " << replay;
    // Without an output nothing plays, and returning at once is right.
    if (HaveAudioOutput()) {
      EXPECT_GE(ms, 200) << "replay " << replay;
    }
  }
}

TEST_F(WavePlayerTest, QuickRepeatsDoNotBlockAndReuseOneEffect) {
  const QString click = Write("click.wav", PcmWave(44100, 1, 16, 0.04));
  const QString other = Write("other.wav", PcmWave(22050, 1, 16, 0.1));
  WavePlayer player;
  QElapsedTimer t;
  qint64 inPlay = 0;
  for (int i = 0; i < 20; ++i) {
    t.start();
    player.Play(click, false);
    inPlay += t.elapsed();
    RunEventsFor(5);
  }
  player.Play(other, false);
  // A play that waited would last at least its 40 ms sound: 20 of them at least 800 ms, however busy
  // the machine; plays that return at once stay far below, however busy it is.
  EXPECT_LT(inPlay, 20 * 40);
  EXPECT_EQ(player.findChildren<QSoundEffect*>().size(), HaveAudioOutput() ? 2 : 0);
}
