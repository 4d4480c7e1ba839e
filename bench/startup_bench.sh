#!/usr/bin/env bash
# Start-up as the user sees it, under Xvfb on the xcb platform: exec to the first window on screen (the
# program's splash) and exec to the main window mapped (found by its role, not its title, which the splash
# shares), and peak resident memory; beside an empty Qt Widgets window and an empty window with Japanese
# menus and status text (which pays for the CJK font as the program does), all built in the same tree and
# measured in the same run, taking turns.
# Usage: bench/startup_bench.sh [build folder] [runs]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
runs=${2:-15}
timer="$build/bench/map_timer"
empty_bin="$build/bench/empty_window"
for f in "$timer" "$empty_bin" "$build/app/nuboro"; do
  [ -x "$f" ] || { echo "missing $f: build the targets map_timer, empty_window and nuboro" >&2; exit 2; }
done

scratch=$(mktemp -d)
cleanup() {
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
# Xvfb names its display on the pipe once it accepts clients, so nothing waits by polling. Without -noreset
# it starts afresh each time its last client leaves and refuses the next timer that connects meanwhile.
coproc XVFB { exec Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp -noreset 2>/dev/null; }
read -r display <&"${XVFB[0]}"
mkdir -m 700 "$scratch/runtime"
export DISPLAY=":$display" QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$scratch/config" XDG_RUNTIME_DIR="$scratch/runtime"

# Each measure appends "first_ms main_ms peak_MiB" to its file in $scratch.
nuboro() { (cd "$build/app" && "$timer" frmNuboWin ./nuboro); }
empty() { "$timer" emptyWindow "$empty_bin"; }
japanese() { "$timer" emptyWindow "$empty_bin" --japanese; }
measures="nuboro empty japanese"

for m in $measures; do "$m" >/dev/null; done  # warm the file cache
for _ in $(seq "$runs"); do
  for m in $measures; do "$m" >>"$scratch/$m"; done
done

median() {  # column file
  sort -n -k"$1" "$2" | awk -v c="$1" '{v[NR] = $c} END {printf "%.1f", (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'
}
least() { sort -n -k"$1" "$2" | awk -v c="$1" 'NR == 1 {printf "%.1f", $c}'; }
row() {  # label column file
  printf '  %-48s %6.1f  %6.1f\n' "$1" "$(least "$2" "$3")" "$(median "$2" "$3")"
}
ratio() { awk -v a="$2" -v b="$3" 'BEGIN {printf "  %-48s %6.2f x\n", "'"$1"'", a / b}'; }

n="$scratch/nuboro" e="$scratch/empty" j="$scratch/japanese"
printf '%-50s %6s  %6s\n' "exec to window on screen, $runs runs (ms)" min median
row "nuboro: first window on screen (the splash)" 1 "$n"
row "nuboro: main window mapped" 2 "$n"
row "empty Qt Widgets window" 2 "$e"
row "empty window, Japanese menus and status text" 2 "$j"
echo "ratios of medians"
ratio "nuboro main window / empty window" "$(median 2 "$n")" "$(median 2 "$e")"
ratio "nuboro main window / empty Japanese window" "$(median 2 "$n")" "$(median 2 "$j")"
ratio "nuboro splash / empty window" "$(median 1 "$n")" "$(median 2 "$e")"
echo "peak resident memory, median (MiB)"
nrss=$(median 3 "$n") erss=$(median 3 "$e") jrss=$(median 3 "$j")
printf '  nuboro %.1f; empty window %.1f (nuboro %+.1f); empty Japanese window %.1f (nuboro %+.1f)\n' \
  "$nrss" "$erss" "$(awk -v a="$nrss" -v b="$erss" 'BEGIN {print a - b}')" \
  "$jrss" "$(awk -v a="$nrss" -v b="$jrss" 'BEGIN {print a - b}')"
