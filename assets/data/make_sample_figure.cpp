// Writes the sample figure with the program's own writer: a block whose top face slopes to the front.
#include <QString>
#include <cstdio>

#include "figure/app_state.h"
#include "figure/figure_file.h"
#include "qt_files.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_sample_figure OUTPUT.nbo\n");
    return 2;
  }
  struct P {
    float x, y, z;
  };
  // Bottom corners, then the top: high at the back (z = 0), low at the front (z = 80).
  const P a{0, 0, 0}, b{100, 0, 0}, c{100, 0, 80}, d{0, 0, 80};
  const P e{0, 80, 0}, f{100, 80, 0}, g{100, 40, 80}, h{0, 40, 80};
  const P lines[][2] = {{a, b}, {b, c}, {c, d}, {d, a}, {a, e}, {b, f},
                        {c, g}, {d, h}, {e, f}, {f, g}, {g, h}, {h, e}};
  AppState s;
  InitialiseApplicationState(s);
  for (const auto& l : lines) {
    const int k = ++s.mintLineCount;
    for (int end = 0; end < 2; ++end) {
      s.msngLineX[2 * k - 1 + end] = l[end].x;
      s.msngLineY[2 * k - 1 + end] = l[end].y;
      s.msngLineZ[2 * k - 1 + end] = l[end].z;
    }
  }
  UpdateFigureCentre(s);
  QtFiles files;
  std::u16string error;
  if (!WriteFigureFile(files, QString::fromLocal8Bit(argv[1]).toStdU16String(), s, error)) {
    std::fprintf(stderr, "%s\n", QString::fromStdU16String(error).toLocal8Bit().constData());
    return 1;
  }
  return 0;
}
