# shellcheck shell=bash
# Shared by the lesson scripts: an X server of their own, the program with a fresh settings folder, real
# key events, and waiting for what the learner would see. Sourced; the caller passes the program's path.
# KEEP=1 keeps the screenshots and files of a passing run too.
# Nothing here may depend on the machine's speed: every wait polls for what it needs, up to $LIMIT seconds,
# and a failed wait names what it waited for.
set -euo pipefail

NUBORO=${1:?usage: $0 path/to/nuboro}
NUBORO=$(cd "$(dirname "$NUBORO")" && pwd)/$(basename "$NUBORO")
LESSON=$(basename "$0" .sh)
LESSONS_DIR=$(cd "$(dirname "$0")" && pwd)
WORK=$(mktemp -d "${TMPDIR:-/tmp}/$LESSON.XXXXXX")
TITLE="立体ヌボロ for Windows Ver3.1"
# The splash has the same title; the main window alone carries this role.
MAIN_ROLE=frmNuboWin
CHANGED="　*[変更あり]"
SETTINGS_FILE="$WORK/config/立体ヌボロforWin.ini"
DATA="$WORK/data"
SKIP=77
# Generous: on a busy machine a step may take many times as long as on an idle one; only a fault takes this.
LIMIT=${LESSON_LIMIT:-60}
# One X tool (import, xclip) that has not answered in this time is stuck: on a window that has gone, import
# waits for a mouse click instead.
X_TOOL_LIMIT=20
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
  if [ -n "$xvfb_pid" ]; then timeout "$X_TOOL_LIMIT" import -window root "$WORK/failure.png" 2>/dev/null || true; fi
  [ -s "$WORK/nuboro.log" ] && sed 's/^/nuboro: /' "$WORK/nuboro.log" >&2
  exit 1
}
step() { echo "-- $*"; }

for tool in xdotool xclip xprop xwininfo import convert identify; do
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
# Waits up to $LIMIT seconds for the command after $1 to succeed; else fails, naming what it waited for ($1).
await() {
  local what=$1
  shift
  poll "$LIMIT" "$@" || fail "waited $LIMIT s for $what"
}

# The ids of the windows an xdotool search finds, one a line. xdotool ends at the first X error, and a window
# destroyed while it walks the tree (the splash, a closing menu) raises one: that search has found nothing
# yet, and its partial list is dropped.
windows() {
  local found
  found=$(xdotool search "$@" 2>/dev/null) || return 1
  printf '%s\n' "$found"
}
# Asked of the window itself, so that no other window's end disturbs the answer; a destroyed one is not shown.
window_shown() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }

# An X server on a display number the server itself finds free, so parallel lessons never collide. Without
# -noreset it starts afresh whenever its last client leaves, and refuses whoever connects meanwhile: the
# program starting while a search has just ended, or starting again after it quit.
start_x() {
  if ! command -v Xvfb >/dev/null; then
    echo "SKIP ($LESSON): no X server could be started: Xvfb is not installed (scripts/install-deps)"
    failed=0
    exit $SKIP
  fi
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$WORK/display" >"$WORK/xvfb.log" 2>&1 &
  xvfb_pid=$!
  x_settled() { test -s "$WORK/display" || ! kill -0 "$xvfb_pid" 2>/dev/null; }
  if ! poll "$LIMIT" x_settled || ! test -s "$WORK/display"; then
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

# The program waits for input: its main thread sleeps in poll() with a timeout, as only an event loop does
# (a pass over pending events polls without waiting). A key that arrives while the program still handles the
# last one reaches the dispatcher at a moment it passes keys on to the controls, where they are lost; a
# learner waits for each key to show. x86-64 system call numbers; elsewhere, or where the process cannot be
# seen, the program is taken as waiting. app_pid must be the program's own process.
program_idle() {
  local call
  [ "$(uname -m)" = x86_64 ] || return 0
  read -r -a call <"/proc/$app_pid/syscall" 2>/dev/null || return 0
  case ${call[0]} in
    7) [ "${call[3]}" != 0x0 ] ;;   # poll(fds, n, timeout)
    271) [ "${call[3]}" = 0x0 ] ;;  # ppoll(fds, n, no timeout, …)
    *) return 1 ;;
  esac
}
await_idle() { await "the program to wait for input" program_idle; }

# The main window among the windows with the program's title; sets MAIN.
main_window_shown() {
  local w
  kill -0 "$app_pid" 2>/dev/null || fail "the program ended before its main window appeared"
  for w in $(windows --onlyvisible --name "^$TITLE\$"); do
    if xprop -id "$w" WM_WINDOW_ROLE 2>/dev/null | grep -qxF "WM_WINDOW_ROLE(STRING) = \"$MAIN_ROLE\""; then
      MAIN=$w
      return 0
    fi
  done
  return 1
}
# Starts the program from its own folder and waits for its main window and the end of start-up; sets MAIN.
start_program() {
  (cd "$(dirname "$NUBORO")" && exec "$NUBORO") >>"$WORK/nuboro.log" 2>&1 &
  app_pid=$!
  await "the main window (titled '$TITLE', role $MAIN_ROLE)" main_window_shown
  await_idle
  focus "$MAIN"
}

# The program must end by itself within $1 seconds (at least $LIMIT).
await_exit() {
  local limit=$(($1 > LIMIT ? $1 : LIMIT))
  poll "$limit" bash -c "! kill -0 $app_pid 2>/dev/null" || fail "the program did not end (waited $limit s)"
  wait "$app_pid" || fail "the program ended with status $?"
  app_pid=""
}

# Without a window manager nobody hands the focus back after a dialog closes.
focused_on() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }
take_focus() { focused_on "$1" || { xdotool windowfocus "$1" 2>/dev/null && focused_on "$1"; }; }
focus() { await "the keyboard focus on window $1 ($(xdotool getwindowname "$1" 2>/dev/null))" take_focus "$1"; }
# Where a modal window may still be open, Qt hands the focus straight back to it: a try, not a wait.
offer_focus() { xdotool windowfocus "$1" 2>/dev/null || true; }

# One key to the main window, once the program waits for input.
press() {
  focus "$MAIN"
  await_idle
  xdotool key "$1"
}

title() { xdotool getwindowname "$MAIN"; }
title_is() { [ "$(title)" = "$1" ]; }
expect_title() { poll "$LIMIT" title_is "$1" || fail "title is '$(title)', expected '$1' (waited $LIMIT s)"; }

# Waits for a top-level window with exactly this title; sets DIALOG.
dialog_shown() {
  local found
  found=$(windows --onlyvisible --name "^$1\$") || return 1
  DIALOG=${found%%$'\n'*}
}
await_window() {
  await "a window titled '$1'" dialog_shown "$1"
  focus "$DIALOG"
}
# By window, not by title: the next question may have the same title. ($2, the title, is for the message.)
window_gone() { ! window_shown "$1"; }
await_window_gone() { await "window '$1' to close" window_gone "$DIALOG" "$1"; }

# A message box titled $1: its first button is the default, so Enter answers Yes or OK.
answer_box() {
  await_window "$1"
  await_idle
  xdotool key "${2:-Return}"
  await_window_gone "$1"
  offer_focus "$MAIN"
}

# Waits until $1 menus of the program are open: each popup is an override-redirect window of its own.
open_menus() {
  local w ids n=0
  ids=$(windows --onlyvisible --pid "$app_pid") || ids=""
  for w in $ids; do
    xwininfo -id "$w" 2>/dev/null | grep -q 'Override Redirect State: yes' && n=$((n + 1))
  done
  echo "$n"
}
menus_open() { [ "$(open_menus)" = "$1" ]; }
await_menus() { poll "$LIMIT" menus_open "$1" || fail "waited $LIMIT s for $1 open menus; $(open_menus) are open"; }
# Walks the menus as a learner with the keyboard: Alt+letter opens one, the first item is active. An item
# chosen with Return closes every menu before its command runs.
menu() {
  local open=1 key
  press "$1"
  await_menus 1
  shift
  for key in "$@"; do
    xdotool key "$key"
    if [ "$key" = Right ]; then open=$((open + 1)) && await_menus $open; fi
  done
  if [ "${key:-}" = Return ]; then await_menus 0; fi
}

# A file dialog titled $1: the name typed into its name field, then Enter. Quoted, the name matches no entry
# of the completion list, which would otherwise open at a moment of its own choosing and take the Enter.
choose_file() {
  await_window "$1"
  xdotool type "\"$2\""
  await_idle
  xdotool key Return
  await_window_gone "$1"
  offer_focus "$MAIN"
}

# The window's picture as PNG into $2.
shot() { timeout "$X_TOOL_LIMIT" import -window "$1" "$2" 2>/dev/null || fail "no picture of window $1"; }
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
canvas_sum() {
  SUM=$(timeout "$X_TOOL_LIMIT" import -window "$MAIN" -crop "$CANVAS" +repage rgb:- 2>/dev/null | md5sum)
}
canvas_changed() { canvas_sum && [ "$SUM" != "$1" ]; }
# Two samples alike: a window that was covered by a dialog has been painted again.
canvas_still() {
  local last=${SUM:-}
  canvas_sum && [ "$SUM" = "$last" ]
}
# The figure area once the program waits for input and its picture stays the same; sets SUM.
await_canvas_settled() {
  await_idle
  SUM=""
  await "the figure area to settle" canvas_still
}
# The main window's picture into $1 once the figure area has settled.
settled_shot() {
  await_canvas_settled
  shot "$MAIN" "$1"
}
# Presses keys one at a time, each once the figure shows the last and the program waits for input again.
keys_drawn() {
  local before key
  focus "$MAIN"
  for key in "$@"; do
    await_canvas_settled
    before=$SUM
    xdotool key "$key"
    poll "$LIMIT" canvas_changed "$before" || fail "key $key changed nothing in the figure (waited $LIMIT s)"
  done
  await_idle
}

# The bounding box WxH+X+Y of the pixels of colour "r,g,b" in a PNG.
box_of() { convert "$1" -fill black +opaque "rgb($2)" -fill white -opaque "rgb($2)" -format '%@' info:; }
GREEN="0,51,0"
# The figure area found by its colour once painted, $1 wide; sets CANVAS.
canvas_shown() {
  shot "$MAIN" "$WORK/$2"
  CANVAS=$(box_of "$WORK/$2" "$GREEN" 2>/dev/null)
  case $CANVAS in "$1"x*) ;; *) false ;; esac
}
