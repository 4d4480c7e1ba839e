#!/usr/bin/env bash
# Start-up as the user sees it: exec to the main window mapped under Xvfb on the xcb platform, and peak
# resident memory, beside an empty Qt Widgets window built in the same tree and measured in the same run.
# Usage: bench/startup_bench.sh [build folder] [runs]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
runs=${2:-15}
timer="$build/bench/map_timer"
for f in "$timer" "$build/bench/empty_window" "$build/app/nuboro"; do
  [ -x "$f" ] || { echo "missing $f: build the targets map_timer, empty_window and nuboro" >&2; exit 2; }
done

scratch=$(mktemp -d)
cleanup() {
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
# Xvfb names its display on the pipe once it accepts clients, so nothing waits by polling.
coproc XVFB { exec Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null; }
read -r display <&"${XVFB[0]}"
export DISPLAY=":$display" QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$scratch/config"

measure() {  # title program: prints "milliseconds peak_MiB"
  (cd "$(dirname "$2")" && "$timer" "$1" "$2")
}

: >"$scratch/empty"
: >"$scratch/nuboro"
measure "empty window" "$build/bench/empty_window" >/dev/null  # warm the file cache
measure "立体ヌボロ" "$build/app/nuboro" >/dev/null
for _ in $(seq "$runs"); do
  measure "empty window" "$build/bench/empty_window" >>"$scratch/empty"
  measure "立体ヌボロ" "$build/app/nuboro" >>"$scratch/nuboro"
done

stats() {  # column file: min median
  sort -n -k"$1" "$2" | awk -v c="$1" '{v[NR] = $c} END {printf "%.1f %.1f", v[1], (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'
}
read -r emin emed <<<"$(stats 1 "$scratch/empty")"
read -r nmin nmed <<<"$(stats 1 "$scratch/nuboro")"
read -r _ erss <<<"$(stats 2 "$scratch/empty")"
read -r _ nrss <<<"$(stats 2 "$scratch/nuboro")"
echo "exec to main window mapped, $runs runs (ms)   min     median"
printf '  nuboro                                   %6.1f  %6.1f\n' "$nmin" "$nmed"
printf '  empty Qt Widgets window                  %6.1f  %6.1f\n' "$emin" "$emed"
awk -v a="$nmed" -v b="$emed" 'BEGIN {printf "  ratio of medians                         %.2f x\n", a / b}'
echo "peak resident memory, median (MiB)"
printf '  nuboro %.1f, empty window %.1f, difference %.1f\n' "$nrss" "$erss" "$(awk -v a="$nrss" -v b="$erss" 'BEGIN {print a - b}')"
