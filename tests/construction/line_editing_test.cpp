// Line editing: the two strokes of a line, removing with Shift, taking back, and the full figure.
#include "construction/line_editing.h"

#include <gtest/gtest.h>

#include <vector>

#include "construction/dispatch.h"
#include "fake_window.h"
#include "figure/app_state.h"
#include "shell/status_bar.h"

namespace {
struct Xyz {
  float x = 0, y = 0, z = 0;
  friend bool operator==(const Xyz&, const Xyz&) = default;
  friend std::ostream& operator<<(std::ostream& os, const Xyz& p) {
    return os << "(" << p.x << ", " << p.y << ", " << p.z << ")";
  }
};
struct Line {
  Xyz from, to;
  friend bool operator==(const Line&, const Line&) = default;
  friend std::ostream& operator<<(std::ostream& os, const Line& l) { return os << l.from << "-" << l.to; }
};
using Lines = std::vector<Line>;

const Xyz A{0, 0, 0}, B{20, 0, 0}, C{20, 20, 0}, D{0, 20, 0}, E{0, 20, 20}, F{40, 40, 40};

class LineEditing : public ::testing::Test {
 protected:
  void SetUp() override {
    InitialiseApplicationState(state);
    state.mblnDrawMode = true;
  }
  Xyz Ref(int i) const { return {state.msngRefX[i], state.msngRefY[i], state.msngRefZ[i]}; }
  void SetRef(int i, Xyz p) { state.msngRefX[i] = p.x, state.msngRefY[i] = p.y, state.msngRefZ[i] = p.z; }
  Xyz Entry(int i) const { return {state.msngLineX[i], state.msngLineY[i], state.msngLineZ[i]}; }
  Xyz Centre() const { return Entry(0); }
  void SetFigure(const Lines& lines) {
    int i = 0;
    for (const Line& l : lines) {
      for (const Xyz& p : {l.from, l.to}) {
        ++i;
        state.msngLineX[i] = p.x, state.msngLineY[i] = p.y, state.msngLineZ[i] = p.z;
      }
    }
    state.mintLineCount = static_cast<int16_t>(lines.size());
    UpdateFigureCentre(state);
  }
  Lines Figure() const {
    Lines out;
    for (int k = 1; k <= state.mintLineCount; ++k) out.push_back({Entry(2 * k - 1), Entry(2 * k)});
    return out;
  }
  // The second stroke of a line from p to q with modifier state `shift`.
  void Stroke(Xyz p, Xyz q, int16_t shift) {
    SetRef(4, p);
    EnterPoint(c, 0);
    SetRef(5, q);
    EnterPoint(c, shift);
  }

  AppState state;
  FakeWindow window;
  WatchmanState watchman;
  Context c{state, window, watchman};
};
}  // namespace

TEST_F(LineEditing, FirstStrokeHoldsTheStartAndChangesNothingElse) {
  SetRef(4, F);
  SetRef(5, B);
  EnterPoint(c, 1);  // the modifier does not matter for the first stroke
  EXPECT_FALSE(state.mblnNoLineStart);
  EXPECT_EQ(Ref(5), F);
  EXPECT_EQ(state.mintLineCount, 0);
  EXPECT_FALSE(state.mblnModified);
  EXPECT_EQ(window.drawn.size(), 1u);
}

TEST_F(LineEditing, SecondStrokeAppendsRemovesOrOnlyLiftsThePen) {
  const Lines five = {{A, B}, {B, C}, {C, D}, {D, E}, {E, F}};
  struct Case {
    const char* what;
    Lines before;
    Xyz p, q;
    int16_t shift;
    Lines after;
  } cases[] = {
      {"Enter appends", {{A, B}}, B, C, 0, {{A, B}, {B, C}}},
      {"Enter, Enter without moving", {}, F, F, 0, {}},
      {"A to B when B to A exists", {{B, A}}, A, B, 0, {{B, A}}},
      {"the same line again", {{A, B}}, A, B, 0, {{A, B}}},
      {"Shift+Enter removes line 3 of 5", five, C, D, 1, {{A, B}, {B, C}, {D, E}, {E, F}}},
      {"Shift+Enter removes in either direction", five, D, C, 1, {{A, B}, {B, C}, {D, E}, {E, F}}},
      {"Shift+Enter removes the last line", five, F, E, 1, {{A, B}, {B, C}, {C, D}, {D, E}}},
      {"Shift+Enter where no line joins", five, A, C, 1, five},
      {"Ctrl+Enter where no line joins", five, A, C, 2, five},
      {"Ctrl+Enter on an existing line", five, C, D, 2, five},
      {"Shift+Ctrl+Enter on an existing line", five, C, D, 3, five},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    InitialiseApplicationState(state);
    state.mblnDrawMode = true;
    SetFigure(k.before);
    SetRef(4, k.p);
    EnterPoint(c, 0);
    SetRef(5, k.q);
    EnterPoint(c, k.shift);
    EXPECT_EQ(Figure(), k.after);
    EXPECT_TRUE(state.mblnModified) << "set by every second stroke";
    EXPECT_TRUE(state.mblnNoLineStart);
    EXPECT_EQ(Ref(4), k.q) << "the pen comes up at the line-end pointer";
    EXPECT_EQ(Ref(5), k.q);
  }
}

TEST_F(LineEditing, RemovingTheOnlyLineCentresOnTheOrigin) {
  for (int16_t byBackspace : {0, 1}) {
    InitialiseApplicationState(state);
    state.mblnDrawMode = true;
    SetFigure({{B, F}});
    ASSERT_EQ(Centre(), (Xyz{20, 20, 20}));
    SetRef(4, F);
    EnterPoint(c, 0);
    SetRef(5, B);
    byBackspace ? TakeBack(c) : EnterPoint(c, 1);
    EXPECT_EQ(state.mintLineCount, 0);
    EXPECT_EQ(Centre(), (Xyz{0, 0, 0}));
    EXPECT_TRUE(state.mblnNoLineStart);
    EXPECT_EQ(Ref(4), B);
    EXPECT_TRUE(state.mblnModified);
  }
}

TEST_F(LineEditing, TakeBackWithThePenUpDropsTheLastLine) {
  struct Case {
    Lines before;
    int16_t count;
    Xyz pointer, lineEnd, centre;
  } cases[] = {
      {{{A, B}, {B, F}, {F, C}}, 2, F, E, {20, 20, 20}},  // to the end of the new last line
      {{{B, F}}, 0, A, A, {0, 0, 0}},
      {{}, 0, A, A, {0, 0, 0}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.before.size());
    InitialiseApplicationState(state);
    state.mblnDrawMode = true;
    SetFigure(k.before);
    SetRef(4, D);
    SetRef(5, E);
    TakeBack(c);
    EXPECT_EQ(state.mintLineCount, k.count);
    EXPECT_EQ(Ref(4), k.pointer);
    EXPECT_EQ(Ref(5), k.lineEnd);
    EXPECT_EQ(Centre(), k.centre);
    EXPECT_FALSE(state.mblnModified) << "taking back alone does not mark the figure changed";
  }
}

TEST_F(LineEditing, NothingAtAllWhileTurningOrOutsideDrawMode) {
  SetFigure({{A, B}});
  for (bool turning : {true, false}) {
    state.mblnTurning = turning;
    state.mblnDrawMode = turning;  // turning in draw mode, or draw mode off
    for (bool held : {false, true}) {
      state.mblnNoLineStart = !held;
      SetRef(4, A);
      SetRef(5, F);
      EnterPoint(c, 0);
      EXPECT_EQ(state.mblnNoLineStart, !held);
      EXPECT_EQ(Ref(5), F);
      EXPECT_EQ(state.mintLineCount, 1);
      EXPECT_FALSE(state.mblnModified);
    }
  }
  EXPECT_TRUE(window.drawn.empty()) << "not even a redraw";
  EXPECT_TRUE(window.played.empty());
}

TEST_F(LineEditing, LineSixHundredFiftyOneIsRefusedWithAMessage) {
  Lines full;
  for (int i = 0; i < kMaxLines; ++i)
    full.push_back({{float(i % 10) * 20, 0, 0}, {float(i % 10) * 20, 20, float(i / 10)}});
  SetFigure(full);
  Stroke(A, F, 0);
  EXPECT_EQ(state.mintLineCount, kMaxLines);
  EXPECT_EQ(Figure(), full);
  EXPECT_EQ(window.explanation, QStringLiteral("これ以上線を引けません（650本まで）。"));
  EXPECT_TRUE(state.mblnNoLineStart) << "the pen is lifted as for any stroke";
  EXPECT_EQ(Ref(4), F);

  // Removing still works, and then there is room again.
  Stroke(full[3].to, full[3].from, 1);
  EXPECT_EQ(state.mintLineCount, kMaxLines - 1);
  Stroke(A, F, 0);
  EXPECT_EQ(state.mintLineCount, kMaxLines);
  EXPECT_EQ(Figure().back(), (Line{A, F}));
}
