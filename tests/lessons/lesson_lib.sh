# shellcheck shell=bash
# Shared by the lesson scripts: an X server of their own, the program with a fresh settings folder, real
# key events, and waiting for what the learner would see. Sourced; the caller passes the program's path.
# KEEP=1 keeps the screenshots and files of a passing run too.
set -euo pipefail

NUBORO=${1:?usage: $0 path/to/nuboro}
NUBORO=$(cd "$(dirname "$NUBORO")" && pwd)/$(basename "$NUBORO")
LESSON=$(basename "$0" .sh)
LESSONS_DIR=$(cd "$(dirname "$0")" && pwd)
WORK=$(mktemp -d "${TMPDIR:-/tmp}/$LESSON.XXXXXX")
TITLE="立体ヌボロ for Windows Ver3.1"
CHANGED="　*[変更あり]"
SETTINGS_FILE="$WORK/config/立体ヌボロforWin.ini"
DATA="$WORK/data"
SKIP=77
xvfb_pid=""
app_pid=""
failed=1

export XDG_CONFIG_HOME="$WORK/config" HOME="$WORK/home" XDG_RUNTIME_DIR="$WORK/runtime"
mkdir -p "$XDG_CONFIG_HOME" "$HOME" "$DATA" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
# Sound has no device here; the lessons do not listen.
export QT_QPA_PLATFORM=xcb QT_LOGGING_RULES="qt.multimedia*=false"
unset WAYLAND_DISPLAY QT_SCALE_FACTOR

cleanup() {
  set +e
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  if [ "$failed" = 0 ]; then rm -rf "$WORK"; else echo "$LESSON: screenshots and files kept in $WORK"; fi
}
trap cleanup EXIT
trap 'exit 1' INT TERM

fail() {
  echo "FAIL ($LESSON): $*" >&2
  if [ -n "$xvfb_pid" ]; then import -window root "$WORK/failure.png" 2>/dev/null || true; fi
  [ -s "$WORK/nuboro.log" ] && sed 's/^/nuboro: /' "$WORK/nuboro.log" >&2
  exit 1
}
step() { echo "-- $*"; }

for tool in xdotool xclip import convert identify; do
  command -v "$tool" >/dev/null || fail "$tool is missing: run scripts/install-deps"
done

# Waits up to $1 seconds for the command after it to succeed, polling every 50 ms.
poll() {
  local timeout=$1 end
  shift
  end=$((SECONDS + timeout))
  until "$@"; do
    [ "$SECONDS" -ge "$end" ] && return 1
    sleep 0.05
  done
}

# An X server on a display number the server itself finds free, so parallel lessons never collide.
start_x() {
  if ! command -v Xvfb >/dev/null; then
    echo "SKIP ($LESSON): no X server could be started: Xvfb is not installed (scripts/install-deps)"
    failed=0
    exit $SKIP
  fi
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$WORK/display" >"$WORK/xvfb.log" 2>&1 &
  xvfb_pid=$!
  x_settled() { test -s "$WORK/display" || ! kill -0 "$xvfb_pid" 2>/dev/null; }
  if ! poll 20 x_settled || ! test -s "$WORK/display"; then
    echo "SKIP ($LESSON): no X server could be started: $(tail -n 3 "$WORK/xvfb.log")"
    failed=0
    exit $SKIP
  fi
  DISPLAY=":$(head -n 1 "$WORK/display")"
  export DISPLAY
}

# The settings a teacher would have left: level, size, permissions and the data folder.
write_settings() {
  printf '[Option]\nDifficulty=%s\nScreenSize=%s\nDrawEnabled=True\nSaveEnabled=True\nDataPath=%s\n' \
    "$1" "$2" "$DATA" >"$SETTINGS_FILE"
}

# Starts the program from its own folder and waits for its main window; sets MAIN.
start_program() {
  (cd "$(dirname "$NUBORO")" && exec "$NUBORO") >>"$WORK/nuboro.log" 2>&1 &
  app_pid=$!
  MAIN=$(timeout 20 xdotool search --sync --onlyvisible --name "^$TITLE\$" | head -n 1) ||
    fail "the main window did not appear"
  focus "$MAIN"
}

# The program must end by itself within $1 seconds.
await_exit() {
  poll "$1" bash -c "! kill -0 $app_pid 2>/dev/null" || fail "the program did not end"
  wait "$app_pid" || fail "the program ended with status $?"
  app_pid=""
}

# Without a window manager nobody hands the focus back after a dialog closes.
focus() { timeout 5 xdotool windowfocus --sync "$1" 2>/dev/null || true; }

title() { xdotool getwindowname "$MAIN"; }
title_is() { [ "$(title)" = "$1" ]; }
expect_title() { poll 5 title_is "$1" || fail "title is '$(title)', expected '$1'"; }

# Waits for a top-level window with exactly this title; sets DIALOG.
await_window() {
  DIALOG=$(timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1) ||
    fail "no window titled '$1'"
  focus "$DIALOG"
}
# By window, not by title: the next question may have the same title.
window_gone() { ! xdotool search --onlyvisible --name "^$2\$" 2>/dev/null | grep -qx "$1"; }
await_window_gone() { poll 10 window_gone "$DIALOG" "$1" || fail "window '$1' stayed open"; }

# A message box titled $1: its first button is the default, so Enter answers Yes or OK.
answer_box() {
  await_window "$1"
  xdotool key "${2:-Return}"
  await_window_gone "$1"
  focus "$MAIN"
}

# Waits until $1 menus of the program are open: each popup is a window of its own beside the main window.
menus_open() { [ "$(xdotool search --onlyvisible --pid "$app_pid" | wc -l)" = $(($1 + 1)) ]; }
await_menus() { poll 5 menus_open "$1" || fail "expected $1 open menus"; }
# Walks the menus as a learner with the keyboard: Alt+letter opens one, the first item is active.
menu() {
  local open=1 key
  xdotool key "$1"
  await_menus 1
  shift
  for key in "$@"; do
    xdotool key "$key"
    if [ "$key" = Right ]; then open=$((open + 1)) && await_menus $open; fi
  done
}

# A file dialog titled $1: the name typed into its name field, then Enter.
choose_file() {
  await_window "$1"
  xdotool type "$2"
  xdotool key Return
  # A completion list that has just opened takes the first Enter for itself, as it would from a learner.
  if ! poll 3 window_gone "$DIALOG" "$1"; then
    xdotool key Return
    await_window_gone "$1"
  fi
  focus "$MAIN"
}

# The window's picture as PNG into $2.
shot() { import -window "$1" "$2" 2>/dev/null; }
# The colour of pixel x,y of a PNG as "r,g,b".
pixel() { convert "$1" -format '%[fx:int(255*p{'"$2,$3"'}.r+0.5)],%[fx:int(255*p{'"$2,$3"'}.g+0.5)],%[fx:int(255*p{'"$2,$3"'}.b+0.5)]' info:; }
expect_pixel() {
  local got
  got=$(pixel "$1" "$2" "$3")
  [ "$got" = "$4" ] || fail "pixel $2,$3 of $(basename "$1") is $got, expected $4"
}
# How many pixels of a region WxH+X+Y differ from the colour "r,g,b".
count_not() {
  convert "$1" -crop "$2" +repage -fill black -opaque "rgb($3)" -fill white +opaque black \
    -format '%[fx:int(mean*w*h+0.5)]' info:
}

# A checksum of the figure area only: the status bar's watchman changes on its own. Sets SUM.
canvas_sum() { SUM=$(import -window "$MAIN" -crop "$CANVAS" +repage rgb:- 2>/dev/null | md5sum); }
canvas_changed() { canvas_sum && [ "$SUM" != "$1" ]; }
# Two samples alike: a window that was covered by a dialog has been painted again.
canvas_still() {
  local last=${SUM:-}
  canvas_sum && [ "$SUM" = "$last" ]
}
# Presses keys one at a time, each once the figure shows the last. The dispatcher lets a key that arrives
# while the last one is being handled pass to the controls, where it is lost, as a learner's would be.
keys_drawn() {
  local before key
  SUM=""
  poll 5 canvas_still || fail "the figure area does not settle"
  for key in "$@"; do
    before=$SUM
    xdotool key "$key"
    poll 5 canvas_changed "$before" || fail "key $key changed nothing in the figure"
  done
}

# The bounding box WxH+X+Y of the pixels of colour "r,g,b" in a PNG.
box_of() { convert "$1" -fill black +opaque "rgb($2)" -fill white -opaque "rgb($2)" -format '%@' info:; }
