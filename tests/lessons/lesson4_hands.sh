#!/bin/bash
# Lesson 4: a learner turns the figure by dragging it with the mouse, and finds the same picture the arrow
# keys give.
# shellcheck source=tests/lessons/lesson_lib.sh
source "$(dirname "$0")/lesson_lib.sh"

# One left-button drag inside the figure area, from its middle by ($1, $2), in small moves as a hand makes.
drag() {
  local geometry=${CANVAS#*+} x y i
  x=$((${geometry%+*} + 244)) y=$((${geometry#*+} + 188))
  focus "$MAIN"
  await_idle
  xdotool mousemove --window "$MAIN" "$x" "$y" mousedown 1
  for i in 1 2 3 4 5 6; do
    xdotool mousemove --window "$MAIN" $((x + $1 * i / 6)) $((y + $2 * i / 6))
  done
  xdotool mouseup 1
}

start_x
write_settings 0 0
start_program
poll "$LIMIT" canvas_shown 488 start.png || fail "the figure area is $CANVAS, expected 488 wide"
await_canvas_settled
START=$SUM

step "a click on the figure changes nothing"
drag 0 0
await_canvas_settled
[ "$SUM" = "$START" ] || fail "a click changed the figure"

step "a drag of 3 steps right and 2 down (13 pixels a step) turns the figure"
drag 45 30
await_canvas_settled
DRAGGED=$SUM
shot "$MAIN" "$WORK/dragged.png"
[ "$DRAGGED" != "$START" ] || fail "the drag did not turn the figure"

step "the arrow keys back to the start, then forward again: the dragged picture"
keys_drawn Left Left Left Down Down
await_canvas_settled
[ "$SUM" = "$START" ] || fail "3 Left and 2 Down did not come back to the first picture"
keys_drawn Right Right Right Up Up
await_canvas_settled
[ "$SUM" = "$DRAGGED" ] || fail "3 Right and 2 Up did not give the dragged picture"

failed=${KEEP:-0}
echo "PASS ($LESSON)"
