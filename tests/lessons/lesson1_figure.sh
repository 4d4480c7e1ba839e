#!/bin/bash
# Lesson 1: a learner builds a figure in draw mode, saves it, starts a new one and loads the saved one back.
# shellcheck source=tests/lessons/lesson_lib.sh
source "$(dirname "$0")/lesson_lib.sh"
GREEN="0,51,0" WHITE="255,255,255"
count_black() { convert "$1" -crop "$CANVAS" +repage -fill white +opaque black -format '%[fx:int((1-mean)*w*h+0.5)]' info:; }

# The first picture of the window: the figure area found by its colour, once painted.
normal_shown() {
  shot "$MAIN" "$WORK/normal.png"
  CANVAS=$(box_of "$WORK/normal.png" "$GREEN" 2>/dev/null)
  case $CANVAS in 488x376+*) [ "$(count_not "$WORK/normal.png" "$CANVAS" "$GREEN")" -gt 300 ] ;; *) false ;; esac
}

start_x
write_settings 0 0
start_program
expect_title "$TITLE"

step "normal mode: the sample figure in white on dark green"
poll "$LIMIT" normal_shown ||
  fail "the dark green figure area is $CANVAS, expected 488x376 with figure lines at the normal size"
canvas_origin=${CANVAS#488x376+}
cx=${canvas_origin%+*} cy=${canvas_origin#*+}

step "draw mode (F8): white background, then a new figure from the 編集 menu"
keys_drawn F8
shot "$MAIN" "$WORK/draw.png"
expect_pixel "$WORK/draw.png" $((cx + 3)) $((cy + 3)) "$WHITE"
menu alt+e Down Return
answer_box "ちょっとまってね"
expect_title "$TITLE  [  ]"
settled_shot "$WORK/new.png"
black_before=$(count_black "$WORK/new.png")

step "four lines with X, Y, Z, Shift and Enter; a fifth taken back with BackSpace"
keys_drawn Return x x Return  Return y y Return  Return z Return  Return shift+x shift+x Return \
  Return shift+y Return BackSpace
expect_title "$TITLE  [  ]$CHANGED"
shot "$MAIN" "$WORK/drawn.png"
black_after=$(count_black "$WORK/drawn.png")
[ "$black_after" -gt $((black_before + 40)) ] || fail "black pixels $black_before before drawing, $black_after after"

step "save (Ctrl+S) as lesson1: the file holds exactly the four lines"
press ctrl+s
choose_file "名前を付けて保存" lesson1
poll "$LIMIT" test -s "$DATA/lesson1.nbo" || fail "lesson1.nbo was not saved in the data folder"
cmp "$DATA/lesson1.nbo" "$LESSONS_DIR/../data/lessons/lesson1.nbo" || fail "lesson1.nbo differs from the expected bytes"
# Saving keeps the mark: the learner has not started afresh.
expect_title "$TITLE  [  ]$CHANGED"

step "normal mode again, then a new figure without saving: nothing left to see"
keys_drawn F8
shot "$MAIN" "$WORK/normal_drawn.png"
[ "$(count_not "$WORK/normal_drawn.png" "$CANVAS" "$GREEN")" -gt 40 ] || fail "the figure is not shown in normal mode"
menu alt+e Down Return
answer_box "ちょっとまってね"
answer_box "ちょっとまってね" alt+n
expect_title "$TITLE  [  ]"
all_green() { shot "$MAIN" "$WORK/cleared.png" && [ "$(count_not "$WORK/cleared.png" "$CANVAS" "$GREEN")" = 0 ]; }
poll "$LIMIT" all_green || fail "lines left after a new figure"

step "load (Ctrl+L) lesson1.nbo: its name in the title, its lines on the screen"
press ctrl+l
choose_file "開く" lesson1.nbo
expect_title "$TITLE  [ lesson1.nbo ]"
settled_shot "$WORK/loaded.png"
expect_pixel "$WORK/loaded.png" $((cx + 3)) $((cy + 3)) "$GREEN"
[ "$(count_not "$WORK/loaded.png" "$CANVAS" "$GREEN")" -gt 300 ] || fail "the loaded figure is not shown"

step "quit with Shift+Esc, answering OK"
press shift+Escape
answer_box "立体ぬぼろの終了確認です"
await_exit 10
grep -qx "DataPath=$DATA" "$SETTINGS_FILE" || fail "the data folder was not kept in the settings"
failed=${KEEP:-0}
echo "PASS ($LESSON)"
