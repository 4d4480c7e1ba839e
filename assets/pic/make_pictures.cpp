// Draws the program's pictures: the wood-grain panel, the splash and the version picture.
// Run with QT_QPA_PLATFORM=offscreen; writes into the folder given as the only argument.
#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

const char* const kTitle = "立体ヌボロ";
const char* const kSubtitle = "for Windows Ver3.1";
const char* const kFont = "Noto Sans CJK JP";

// Our own generator, so that the pictures do not depend on the standard library's distributions.
class Random {
 public:
  explicit Random(std::uint32_t seed) : state_(seed) {}
  double Next() {  // in [0, 1)
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_ / 4294967296.0;
  }
  double Between(double lo, double hi) { return lo + (hi - lo) * Next(); }

 private:
  std::uint32_t state_;
};

int Clamp255(double v) { return v < 0 ? 0 : v > 255 ? 255 : static_cast<int>(std::lround(v)); }

// Light oak boards laid horizontally, with grain lines, a few butt joints and dark seams.
QImage DrawWood() {
  const int width = 640, height = 450;
  QImage img(width, height, QImage::Format_RGB32);
  Random rnd(19980401u);

  struct GrainLine {
    double y, amp1, freq1, phase1, amp2, freq2, phase2, weight, darkness;
  };
  struct Knot {
    double x, y, rx, ry;
  };

  int top = 0;
  while (top < height) {
    const int boardHeight = static_cast<int>(rnd.Between(52, 72));
    const int bottom = std::min(height, top + boardHeight);
    const double tone = rnd.Between(-1, 1);  // boards differ a little, all in the same warm range
    const double r0 = 232 + 5 * tone, g0 = 201 + 6 * tone, b0 = 152 + 7 * tone;
    const double shift = rnd.Between(0, 1000);  // where along the trunk this board was cut

    std::vector<GrainLine> lines;
    const int count = static_cast<int>(rnd.Between(14, 22));
    for (int i = 0; i < count; ++i)
      lines.push_back({rnd.Between(top - 4, bottom + 4), rnd.Between(1, 5), rnd.Between(0.004, 0.012),
                       rnd.Between(0, 6.283), rnd.Between(0.3, 1.5), rnd.Between(0.02, 0.05),
                       rnd.Between(0, 6.283), rnd.Between(0.6, 2.0), rnd.Between(0.06, 0.20)});
    std::vector<Knot> knots;
    if (rnd.Next() < 0.45)
      knots.push_back({rnd.Between(60, width - 60), rnd.Between(top + 18, bottom - 18), rnd.Between(14, 26),
                       rnd.Between(4, 7)});
    // Butt joints: boards are shorter than the panel, so one or two end seams per row.
    std::vector<int> joints;
    const int jointCount = rnd.Next() < 0.6 ? 1 : 2;
    for (int j = 0; j < jointCount; ++j) joints.push_back(static_cast<int>(rnd.Between(80, width - 80)));

    // Streaks along the grain: per-row noise, smoothed, so the board is not flat.
    std::vector<double> streak(bottom - top);
    for (double& s : streak) s = rnd.Between(-1, 1);
    for (int pass = 0; pass < 2; ++pass)
      for (std::size_t k = 1; k + 1 < streak.size(); ++k)
        streak[k] = (streak[k - 1] + 2 * streak[k] + streak[k + 1]) / 4;
    // Pores: short dashes along the grain, noise sampled every 12 pixels and blended between.
    const int poreStep = 12, poreColumns = width / poreStep + 2;
    std::vector<double> pores(static_cast<std::size_t>(bottom - top) * poreColumns);
    for (double& s : pores) s = rnd.Between(-1, 1);

    for (int y = top; y < bottom; ++y) {
      auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
      for (int x = 0; x < width; ++x) {
        double dark = streak[y - top] * 0.035;
        double yy = y;
        for (const Knot& k : knots) {
          // Grain bends around a knot.
          const double dx = (x - k.x) / (k.rx * 2.2), dy = (y - k.y) / (k.ry * 2.2);
          const double d2 = dx * dx + dy * dy;
          yy += (y < k.y ? -1 : 1) * k.ry * 1.4 * std::exp(-d2);
          const double ex = (x - k.x) / k.rx, ey = (y - k.y) / k.ry;
          const double e = std::sqrt(ex * ex + ey * ey);
          if (e < 1.0) dark += 0.22 * (1 - e) + 0.08 * (0.5 + 0.5 * std::sin(e * 18));
        }
        const double xs = x + shift;
        for (const GrainLine& g : lines) {
          const double ly =
              g.y + g.amp1 * std::sin(xs * g.freq1 + g.phase1) + g.amp2 * std::sin(xs * g.freq2 + g.phase2);
          const double t = (yy - ly) / g.weight;
          dark += g.darkness * std::exp(-t * t);
        }
        const double* poreRow = &pores[static_cast<std::size_t>(y - top) * poreColumns];
        const int col = x / poreStep;
        const double u = double(x % poreStep) / poreStep;
        dark += 0.025 * (poreRow[col] * (1 - u) + poreRow[col + 1] * u);
        // Darker wood is browner, not greyer: blend towards a grain colour.
        const double t = std::clamp(dark, -0.1, 0.6) / 0.6;
        row[x] =
            qRgb(Clamp255(r0 + (168 - r0) * t), Clamp255(g0 + (120 - g0) * t), Clamp255(b0 + (72 - b0) * t));
      }
    }

    QPainter p(&img);
    for (int x : joints) {
      p.setPen(QColor(120, 86, 50));
      p.drawLine(x, top, x, bottom - 1);
      p.setPen(QColor(246, 226, 190));
      p.drawLine(x + 1, top, x + 1, bottom - 1);
    }
    if (bottom < height) {
      p.setPen(QColor(246, 226, 190));  // lit upper edge of the next board
      p.drawLine(0, bottom + 1, width - 1, bottom + 1);
      p.setPen(QColor(110, 78, 44));
      p.drawLine(0, bottom, width - 1, bottom);
      p.setPen(QColor(176, 140, 96));  // shadowed lower edge of this board
      p.drawLine(0, bottom - 1, width - 1, bottom - 1);
    }
    p.end();
    top = bottom + 1;
  }
  return img;
}

// The figure the program opens with: a block whose top right edge is cut off by one slanted face.
struct Point3 {
  double x, y, z;
};
// One row per face.
// clang-format off
const std::array<Point3, 10> kBlock = {{
    {0, 0, 0}, {100, 0, 0}, {100, 50, 0}, {60, 80, 0}, {0, 80, 0},           // front
    {0, 0, -80}, {100, 0, -80}, {100, 50, -80}, {60, 80, -80}, {0, 80, -80},  // back
}};
const std::array<std::array<int, 2>, 15> kBlockEdges = {{
    {0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 0},
    {5, 6}, {6, 7}, {7, 8}, {8, 9}, {9, 5},
    {0, 5}, {1, 6}, {2, 7}, {3, 8}, {4, 9},
}};
// clang-format on

// Oblique view as on the toolbar icons: the front face flat on, depth receding up and to the right.
QPointF Project(const Point3& p, double scale) {
  const double depth = -p.z * 0.55, angle = 35 * M_PI / 180;
  const double x = p.x + depth * std::cos(angle) - 72, y = p.y + depth * std::sin(angle) - 52;
  return {x * scale, -y * scale};
}

void DrawWireBlock(QPainter& p, QPointF centre, double scale, QColor line, QColor dot) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  // Three axes from the origin corner, in the colours the program draws them.
  const QPointF origin = centre + Project(kBlock[0], scale);
  const QColor axisColour[] = {QColor(0, 204, 255), QColor(255, 255, 0), QColor(0, 255, 0)};
  const Point3 axisEnd[] = {{140, 0, 0}, {0, 115, 0}, {0, 0, 60}};
  for (int a = 0; a < 3; ++a) {
    p.setPen(QPen(axisColour[a], 1.5, Qt::DashLine));
    p.drawLine(origin, centre + Project(axisEnd[a], scale));
  }
  p.setPen(QPen(QColor(0, 0, 0, 90), 4, Qt::SolidLine, Qt::RoundCap));
  for (const auto& e : kBlockEdges)
    p.drawLine(centre + Project(kBlock[e[0]], scale) + QPointF(2, 2),
               centre + Project(kBlock[e[1]], scale) + QPointF(2, 2));
  p.setPen(QPen(line, 2.2, Qt::SolidLine, Qt::RoundCap));
  for (const auto& e : kBlockEdges)
    p.drawLine(centre + Project(kBlock[e[0]], scale), centre + Project(kBlock[e[1]], scale));
  p.setPen(Qt::NoPen);
  p.setBrush(dot);
  for (const Point3& v : kBlock) p.drawEllipse(centre + Project(v, scale), 2.6, 2.6);
  p.restore();
}

// A dark green board with a soft light in the middle, like a classroom blackboard.
void DrawBoard(QPainter& p, QRect area) {
  QRadialGradient glow(area.center(), area.width() * 0.75);
  glow.setColorAt(0, QColor(18, 84, 36));
  glow.setColorAt(1, QColor(0, 51, 0));
  p.fillRect(area, glow);
  Random rnd(240u);
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  for (int i = 0; i < 40; ++i) {  // faint smudges of wiped chalk
    const QPointF c(rnd.Between(area.left(), area.right()), rnd.Between(area.top(), area.bottom()));
    QRadialGradient smudge(c, rnd.Between(10, 30));
    smudge.setColorAt(0, QColor(255, 255, 255, 10));
    smudge.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(area, smudge);
  }
  p.restore();
}

void DrawText(QPainter& p, const QRectF& box, const QString& text, const QFont& font, QColor colour) {
  p.setFont(font);
  p.setPen(QColor(0, 0, 0, 140));
  p.drawText(box.translated(1.5, 1.5), Qt::AlignCenter, text);
  p.setPen(colour);
  p.drawText(box, Qt::AlignCenter, text);
}

QFont TitleFont(int pixelSize, int weight) {
  QFont f(kFont);
  f.setPixelSize(pixelSize);
  f.setWeight(static_cast<QFont::Weight>(weight));
  f.setHintingPreference(QFont::PreferNoHinting);
  return f;
}

QImage DrawSplash() {
  QImage img(320, 240, QImage::Format_RGB32);
  QPainter p(&img);
  p.setRenderHint(QPainter::TextAntialiasing);
  DrawBoard(p, img.rect());
  DrawText(p, QRectF(0, 10, 320, 50), QString::fromUtf8(kTitle), TitleFont(40, QFont::Bold),
           QColor(255, 236, 120));
  DrawText(p, QRectF(0, 58, 320, 24), QString::fromUtf8(kSubtitle), TitleFont(18, QFont::Medium),
           QColor(240, 250, 240));
  DrawWireBlock(p, QPointF(160, 150), 0.74, QColor(235, 255, 255), QColor(0, 230, 255));
  DrawText(p, QRectF(0, 212, 320, 20), QString::fromUtf8("じゅんびちゅう…"), TitleFont(13, QFont::Normal),
           QColor(190, 225, 190));
  p.end();
  return img;
}

QImage DrawVersion() {
  QImage img(320, 240, QImage::Format_RGB32);
  QPainter p(&img);
  p.setRenderHint(QPainter::TextAntialiasing);
  DrawBoard(p, img.rect());
  DrawWireBlock(p, QPointF(60, 112), 0.5, QColor(235, 255, 255), QColor(0, 230, 255));
  DrawText(p, QRectF(110, 60, 200, 44), QString::fromUtf8(kTitle), TitleFont(32, QFont::Bold),
           QColor(255, 236, 120));
  DrawText(p, QRectF(110, 102, 200, 22), QString::fromUtf8(kSubtitle), TitleFont(15, QFont::Medium),
           QColor(240, 250, 240));
  DrawText(p, QRectF(110, 136, 200, 24), QString::fromUtf8("バージョン 3.1"), TitleFont(17, QFont::Bold),
           QColor(160, 235, 255));
  // The OK button covers y 200..230; a chalk ledge above it, plain board below.
  p.setPen(QColor(80, 140, 80));
  p.drawLine(20, 186, 300, 186);
  p.end();
  return img;
}

bool SaveBmp(const QImage& img, const QString& path) {
  return img.convertToFormat(QImage::Format_RGB888).save(path, "BMP");
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_pictures OUTPUT_FOLDER\n");
    return 2;
  }
  // A substituted font would give other glyph shapes and sizes; refuse rather than write those.
  if (!QFontDatabase::families().contains(QString::fromUtf8(kFont))) {
    std::fprintf(stderr, "font \"%s\" not installed\n", kFont);
    return 1;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  // The panel is 150 pixels wide and shows its picture from the top-left corner: the rest never shows.
  // Uncompressed, it loads in a fraction of a millisecond at start-up.
  bool ok = SaveBmp(DrawWood().copy(0, 0, 150, 450), out.filePath("wood.bmp"));
  ok = SaveBmp(DrawSplash(), out.filePath("nubospla.bmp")) && ok;
  ok = SaveBmp(DrawVersion(), out.filePath("Nubover.bmp")) && ok;
  if (!ok) {
    std::fprintf(stderr, "could not write the pictures into %s\n", argv[1]);
    return 1;
  }
  return 0;
}
