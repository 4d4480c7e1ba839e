// Line editing: the two strokes of a line, removing with Shift, taking back, and the full figure.
#include "construction/line_editing.h"

#include "drawing_fixture.h"

namespace {
const Xyz A{0, 0, 0}, B{20, 0, 0}, C{20, 20, 0}, D{0, 20, 0}, E{0, 20, 20}, F{40, 40, 40};
}  // namespace

class LineEditing : public Drawing {
 protected:
  // Both strokes of a line from p to q, the second with modifier state `shift`.
  void Stroke(Xyz p, Xyz q, int16_t shift) {
    SetRef(4, p);
    SetRef(5, F);
    EnterPoint(c, 1);  // the first stroke ignores the modifiers
    EXPECT_EQ(Ref(5), p);
    SetRef(5, q);
    EnterPoint(c, shift);
  }
};

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
      {"Shift+Enter removes line 3 of 5", five, C, D, 1, {{A, B}, {B, C}, {D, E}, {E, F}}},
      {"Shift+Enter removes in either direction", five, F, E, 1, {{A, B}, {B, C}, {C, D}, {D, E}}},
      {"Shift+Enter where no line joins", five, A, C, 1, five},
      {"Ctrl+Enter where no line joins", five, A, C, 2, five},
      {"Shift+Ctrl+Enter on an existing line", five, C, D, 3, five},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    Reset();
    SetFigure(k.before);
    Stroke(k.p, k.q, k.shift);
    EXPECT_EQ(Figure(), k.after);
    EXPECT_TRUE(state.mblnModified) << "set by every second stroke";
    EXPECT_TRUE(state.mblnNoLineStart);
    EXPECT_EQ(Ref(4), k.q) << "the pen comes up at the line-end pointer";
    EXPECT_EQ(w.drawn.size(), 2u);
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
    Reset();
    SetFigure(k.before);
    SetRef(4, D);
    SetRef(5, E);
    TakeBack(c);
    EXPECT_EQ(state.mintLineCount, k.count);
    EXPECT_EQ(Ref(4), k.pointer);
    EXPECT_EQ(Ref(5), k.lineEnd);
    EXPECT_EQ(Entry(0), k.centre);
    EXPECT_FALSE(state.mblnModified) << "taking back alone does not mark the figure changed";
  }
}

TEST_F(LineEditing, RemovingTheOnlyLineCentresOnTheOrigin) {
  for (bool byBackspace : {false, true}) {
    Reset();
    SetFigure({{B, F}});
    ASSERT_EQ(Entry(0), (Xyz{20, 20, 20}));
    SetRef(4, F);
    EnterPoint(c, 0);
    SetRef(5, B);
    byBackspace ? TakeBack(c) : EnterPoint(c, 1);
    EXPECT_EQ(state.mintLineCount, 0);
    EXPECT_EQ(Entry(0), (Xyz{0, 0, 0}));
    EXPECT_TRUE(state.mblnNoLineStart);
    EXPECT_EQ(Ref(4), B);
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
  EXPECT_TRUE(w.drawn.empty()) << "not even a redraw";
}

TEST_F(LineEditing, LineSixHundredFiftyOneIsRefusedWithAMessage) {
  Lines full;
  for (int i = 0; i < kMaxLines; ++i)
    full.push_back({{i % 10 * 20.0f, 0, 0}, {i % 10 * 20.0f, 20, i / 10.0f}});
  SetFigure(full);
  Stroke(A, F, 0);
  EXPECT_EQ(Figure(), full);
  EXPECT_EQ(w.explanation, u"これ以上線を引けません（650本まで）。");
  EXPECT_TRUE(state.mblnNoLineStart) << "the pen is lifted as for any stroke";
  EXPECT_EQ(Ref(4), F);

  // Removing still works, and then there is room again.
  Stroke(full[3].to, full[3].from, 1);
  EXPECT_EQ(state.mintLineCount, kMaxLines - 1);
  Stroke(A, F, 0);
  EXPECT_EQ(state.mintLineCount, kMaxLines);
  EXPECT_EQ(Figure().back(), (Line{A, F}));
}
