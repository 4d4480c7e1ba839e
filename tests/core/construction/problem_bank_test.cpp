// The problem bank: every figure built again with the drawing pointer at its level and saved by the
// program's own writer gives the shipped file to the byte; the generator makes exactly what is shipped.
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "construction/draw_mode.h"
#include "construction/line_editing.h"
#include "drawing_fixture.h"
#include "figure/figure_file.h"
#include "settings/operation_settings.h"

namespace {
namespace fs = std::filesystem;
const fs::path kBank = NUBORO_SOURCE_DIR "/assets/data/problems";

// The folder of each level, in the order of the stored difficulty.
constexpr const char* kLevelFolders[] = {"1-shokyu", "2-chukyu", "3-jokyu"};

std::string Bytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// Every file below `root`, by its path from there.
std::vector<std::string> FilesUnder(const fs::path& root) {
  std::vector<std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (entry.is_regular_file()) files.push_back(entry.path().lexically_relative(root).generic_string());
  }
  std::ranges::sort(files);
  return files;
}

class ProblemBank : public Drawing {
 protected:
  // The moving point stepped to `to` as a learner would; false when a step is refused or cannot land there.
  bool MoveTo(const Xyz& to) {
    const int point = state.mblnNoLineStart ? 4 : 5;
    for (Axis axis : {Axis::X, Axis::Y, Axis::Z}) {
      const auto at = [&] {
        const Xyz p = Ref(point);
        return axis == Axis::X ? p.x : axis == Axis::Y ? p.y : p.z;
      };
      const float target = axis == Axis::X ? to.x : axis == Axis::Y ? to.y : to.z;
      while (at() != target) {
        const float before = at();
        StepAlongAxis(c, axis, at() < target ? 0 : 1);
        if (std::abs(at() - target) >= std::abs(before - target)) return false;
      }
    }
    return true;
  }
};
}  // namespace

TEST_F(ProblemBank, EveryFigureIsBuiltWithThePointerAtItsLevelAndSavedAsShipped) {
  for (size_t level = 0; level < std::size(kLevelFolders); ++level) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(kBank / kLevelFolders[level])) {
      if (entry.is_regular_file() && entry.path().extension() == ".nbo") files.push_back(entry.path());
    }
    EXPECT_GE(files.size(), 10u) << kLevelFolders[level];
    for (const fs::path& path : files) {
      SCOPED_TRACE(path.string());
      const std::u16string name = path.u16string();
      w.memoryFiles.files[name] = Bytes(path);
      AppState shipped;
      std::u16string error;
      ASSERT_TRUE(ReadFigureFile(w.memoryFiles, name, shipped, error)) << Utf8FromUtf16(error);
      ASSERT_GT(shipped.mintLineCount, 0);

      Reset();
      state.mintUnitLength = kDifficultyLevels[level].unitLength;
      state.mintMaxSize = kDifficultyLevels[level].maxSize;
      for (const Line& l : FigureOf(shipped)) {
        ASSERT_TRUE(MoveTo(l.from)) << "cannot reach " << l.from;
        EnterPoint(c, 0);
        ASSERT_TRUE(MoveTo(l.to)) << "cannot reach " << l.to;
        EnterPoint(c, 0);
      }
      EXPECT_EQ(Figure(), FigureOf(shipped));
      EXPECT_EQ(FigureFileBytes(state), Bytes(path));
    }
  }
}

TEST(ProblemBankFiles, TheGeneratorMakesExactlyWhatIsShipped) {
#ifndef NUBORO_MAKE_PROBLEMS
  GTEST_SKIP() << "the generator writes through the Qt programs' file access: not built without a toolkit";
#else
  const fs::path out = fs::temp_directory_path() / ("nuboro-problems-" + std::to_string(::getpid()));
  fs::remove_all(out);
  ASSERT_TRUE(fs::create_directories(out));
  ASSERT_EQ(std::system(("'" NUBORO_MAKE_PROBLEMS "' '" + out.string() + "'").c_str()), 0);
  const std::vector<std::string> made = FilesUnder(out);
  ASSERT_EQ(made, FilesUnder(kBank));
  for (const std::string& file : made) EXPECT_EQ(Bytes(out / file), Bytes(kBank / file)) << file;
  // The index names every figure, so a teacher finds each one by its Japanese name.
  const std::string index = Bytes(kBank / "index.txt");
  for (const std::string& file : made) {
    if (file.ends_with(".nbo")) {
      EXPECT_NE(index.find(file + "  "), std::string::npos) << file;
    }
  }
  fs::remove_all(out);
#endif
}
