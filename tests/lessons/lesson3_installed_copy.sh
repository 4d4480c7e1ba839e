#!/bin/bash
# Lesson 3: a learner on an installed copy that belongs to someone else. A stray file given to the program
# is refused, the sample figure is shown, the first save lands in the learner's own documents folder, and
# loading over a changed figure asks first, then finds the saved file there.
# shellcheck source=tests/lessons/lesson_lib.sh
source "$(dirname "$0")/lesson_lib.sh"
BUILD=$(cd "${2:?usage: $0 path/to/nuboro path/to/build}" && pwd)
GREEN="0,51,0"
LEARNER_ID=65534 # nobody: there on every Debian machine, and owner of nothing here
skip() {
  echo "SKIP ($LESSON): $*"
  failed=0
  exit "$SKIP"
}

# Root (as CI runs) installs and hands the program to an unprivileged learner. Anyone else installs for
# themselves and takes write permission away from the installed folder, as a root-owned one has it.
if [ "$(id -u)" = 0 ]; then
  command -v setpriv >/dev/null || skip "setpriv is missing, so the lesson cannot become an unprivileged learner"
  as_learner=(setpriv "--reuid=$LEARNER_ID" "--regid=$LEARNER_ID" --clear-groups)
else
  as_learner=()
fi
command -v cmake >/dev/null || skip "cmake is missing, so nothing can be installed"

PREFIX="$WORK/prefix"
PROGRAM_FOLDER="$PREFIX/lib/nuboro"
LEARNER="$WORK/learner"
OWN="$LEARNER/home/Documents/立体ヌボロ"
PIPE="$LEARNER/home/odd.nbo"
# A read-only installed folder must still be removable after the lesson.
trap 'chmod -R u+w "$WORK" 2>/dev/null; cleanup' EXIT

step "install to a prefix of its own; the learner gets a home, and nothing else that is writable"
cmake --install "$BUILD" --prefix "$PREFIX" >"$WORK/install.log" 2>&1 ||
  fail "cmake --install failed: $(tail -n 3 "$WORK/install.log")"
# The lesson's folder is the tester's: the learner may pass through it, not look inside.
chmod 711 "$WORK"
mkdir -p "$LEARNER/home" "$LEARNER/config" "$LEARNER/runtime"
chmod 700 "$LEARNER/runtime"
mkfifo "$PIPE"
if [ ${#as_learner[@]} -gt 0 ]; then
  chown -R "$LEARNER_ID:$LEARNER_ID" "$LEARNER"
else
  chmod -R a-w "$PROGRAM_FOLDER"
fi
"${as_learner[@]}" test -w "$LEARNER/home" || fail "the learner cannot write in $LEARNER/home (is ${TMPDIR:-/tmp} closed to others?)"
# A sanitizer build reads its leak suppressions as the learner, who may not reach root's checkout.
if [[ ${LSAN_OPTIONS:-} =~ suppressions=([^:]+) ]] && ! "${as_learner[@]}" test -r "${BASH_REMATCH[1]}"; then
  cp "${BASH_REMATCH[1]}" "$LEARNER/lsan.supp" && chmod 644 "$LEARNER/lsan.supp"
  export LSAN_OPTIONS=${LSAN_OPTIONS/"${BASH_REMATCH[1]}"/$LEARNER/lsan.supp}
fi
if "${as_learner[@]}" test -w "$PROGRAM_FOLDER/data"; then
  skip "this user can write into a read-only folder, so the installed data folder cannot be made someone else's"
fi

# The learner's program, as start_program runs it: the installed launcher, the learner's own variables.
{
  echo '#!/bin/sh'
  printf 'exec'
  [ ${#as_learner[@]} -eq 0 ] || printf ' %q' "${as_learner[@]}"
  printf ' env -u XAUTHORITY -u DBUS_SESSION_BUS_ADDRESS -u XDG_DATA_HOME -u XDG_CACHE_HOME'
  printf ' %q' "HOME=$LEARNER/home" "XDG_CONFIG_HOME=$LEARNER/config" "XDG_RUNTIME_DIR=$LEARNER/runtime" \
    "$PREFIX/bin/nuboro" "$PIPE"
  echo
} >"$WORK/learner-nuboro"
chmod 755 "$WORK/learner-nuboro"
NUBORO="$WORK/learner-nuboro"

# The first picture of the window: the figure area found by its colour, with the sample's lines in it.
sample_shown() {
  shot "$MAIN" "$WORK/normal.png"
  CANVAS=$(box_of "$WORK/normal.png" "$GREEN" 2>/dev/null)
  [ "$(count_not "$WORK/normal.png" "$CANVAS" "$GREEN" 2>/dev/null)" -gt 300 ]
}

start_x
step "a named pipe given to the program: refused in a box, and the program goes on"
start_program
answer_box "エラー"
focus "$MAIN"
expect_title "$TITLE"

step "the sample figure, read from the program's own folder"
poll "$LIMIT" sample_shown || fail "the sample figure is not shown (waited $LIMIT s)"

step "save (Ctrl+S) as mine: the file is in the learner's documents folder, and it is the learner's"
press ctrl+s
choose_file "名前を付けて保存" mine
poll "$LIMIT" test -s "$OWN/mine.nbo" ||
  fail "mine.nbo is not in $OWN: $(find "$LEARNER" "$PROGRAM_FOLDER" -name 'mine*')"
cmp "$OWN/mine.nbo" "$PROGRAM_FOLDER/data/sample/nubo01.nbo" || fail "mine.nbo is not the sample figure"
[ "$(stat -c %u "$OWN/mine.nbo")" = "$("${as_learner[@]}" id -u)" ] || fail "mine.nbo belongs to $(stat -c %U "$OWN/mine.nbo")"

step "one line drawn, then load (Ctrl+L): the save question first, then mine.nbo from the same folder"
keys_drawn F8 Return x Return
expect_title "$TITLE$CHANGED"
press ctrl+l
answer_box "ちょっとまってね" alt+n
choose_file "開く" mine.nbo
expect_title "$TITLE  [ mine.nbo ]"

step "quit: the data folder setting is still the program's default"
press shift+Escape
answer_box "立体ぬぼろの終了確認です"
await_exit 10
grep -qx 'DataPath=./data' "$LEARNER/config/立体ヌボロforWin.ini" ||
  fail "DataPath was rewritten: $(grep DataPath "$LEARNER/config/立体ヌボロforWin.ini")"
failed=${KEEP:-0}
echo "PASS ($LESSON)"
