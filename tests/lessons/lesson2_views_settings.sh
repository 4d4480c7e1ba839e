#!/bin/bash
# Lesson 2: a teacher looks at the three views, copies the picture, sets the level and the window size,
# quits, and finds both in effect when the program starts again.
# shellcheck source=tests/lessons/lesson_lib.sh
source "$(dirname "$0")/lesson_lib.sh"

# The figure area's quadrants must each show lines: top, isometric, front and side view.
quadrants_drawn() {
  local size=${CANVAS%%+*} w h q
  w=$((${size%x*} / 2)) h=$((${size#*x} / 2))
  for q in "+0+0" "+$w+0" "+0+$h" "+$w+$h"; do
    [ "$(convert "$1" -crop "$CANVAS" +repage -crop "${w}x$h$q" +repage -fill black -opaque "rgb($GREEN)" \
      -fill white +opaque black -format '%[fx:int(mean*w*h+0.5)]' info:)" -gt 50 ] || return 1
  done
}
clipboard_png() {
  timeout "$X_TOOL_LIMIT" xclip -selection clipboard -t image/png -o >"$WORK/copy.png" 2>/dev/null &&
    [ "$(head -c 4 "$WORK/copy.png" | tail -c 3)" = PNG ]
}
# Another owner of the clipboard, so that only a new copy brings a picture back.
clear_clipboard() {
  printf 'cleared' | xclip -selection clipboard -t text/plain -i >/dev/null 2>&1
  # xclip takes the clipboard from its background process, after it has returned.
  cleared() { [ "$(timeout "$X_TOOL_LIMIT" xclip -selection clipboard -t text/plain -o 2>/dev/null)" = cleared ]; }
  poll "$LIMIT" cleared || fail "xclip did not take the clipboard"
}
width_is() { [ "$(xdotool getwindowgeometry --shell "$MAIN" | sed -n 's/^WIDTH=//p')" = "$1" ]; }
expect_copy() {
  poll "$LIMIT" clipboard_png || fail "no picture on the clipboard after カラーでコピー"
  [ "$(identify -format '%wx%h' "$WORK/copy.png")" = 488x376 ] ||
    fail "the copied picture is $(identify -format '%wx%h' "$WORK/copy.png"), expected 488x376"
  expect_pixel "$WORK/copy.png" 3 3 "$GREEN"
  [ "$(count_not "$WORK/copy.png" 488x376+0+0 "$GREEN")" -gt 300 ] || fail "the copied picture has no lines"
}


start_x
write_settings 0 0
start_program
poll "$LIMIT" canvas_shown 488 normal.png || fail "the figure area is $CANVAS, expected 488 wide"

step "three views (F7): every quarter of the figure area shows a view"
press F7
three_shown() { shot "$MAIN" "$WORK/three.png" && quadrants_drawn "$WORK/three.png"; }
poll "$LIMIT" three_shown || fail "the three views are not all drawn"

step "copying while they are shown is refused with a box"
clear_clipboard
menu alt+e Down Down Right Return
answer_box "立体ヌボロ for Windows Ver.3.1"
! clipboard_png || fail "a picture was copied although refused"

step "three views off, then 編集 → コピー → カラーでコピー: a 488 × 376 picture"
keys_drawn F7
menu alt+e Down Down Right Return
expect_copy

step "level 上級 and size 拡張１ from the オプション menu"
menu alt+o Right Down Down Return
menu alt+o Down Right Down Return
poll "$LIMIT" width_is 800 || fail "the window did not grow to 800 wide for 拡張１"

step "a copy at 拡張１ is still taken at the normal size, and the size comes back"
clear_clipboard
menu alt+e Down Down Right Return
expect_copy
poll "$LIMIT" width_is 800 || fail "the window did not return to 拡張１ after the copy"

step "quit from the ファイル menu, answering OK; the settings are stored"
menu alt+f Down Down Return
answer_box "立体ぬぼろの終了確認です"
await_exit 10
for line in Difficulty=2 ScreenSize=1 DrawEnabled=True SaveEnabled=True "DataPath=$DATA"; do
  grep -qx "$line" "$SETTINGS_FILE" || fail "the settings file lacks '$line': $(cat "$SETTINGS_FILE")"
done

step "start again: the window at 拡張１, the figure area 648 wide"
start_program
poll "$LIMIT" width_is 800 || fail "the window is not 800 wide after the restart"
poll "$LIMIT" canvas_shown 648 restart.png || fail "the figure area is $CANVAS at 拡張１, expected 648 wide"

step "上級 in effect: one X step in draw mode is 10 long"
keys_drawn F8
menu alt+e Down Return
answer_box "ちょっとまってね"
keys_drawn Return x Return
press ctrl+s
choose_file "名前を付けて保存" senior
poll "$LIMIT" test -s "$DATA/senior.nbo" || fail "senior.nbo was not saved in the data folder"
cmp "$DATA/senior.nbo" "$LESSONS_DIR/../data/lessons/senior_step.nbo" || fail "senior.nbo differs from the expected bytes"

step "Shift+Esc: no second save, OK to quit"
press shift+Escape
answer_box "ちょっとまってね" alt+n
answer_box "立体ぬぼろの終了確認です"
await_exit 10
failed=${KEEP:-0}
echo "PASS ($LESSON)"
