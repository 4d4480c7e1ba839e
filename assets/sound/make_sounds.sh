#!/bin/sh
# Writes the program's wave sounds into this folder. Needs sox.
# -R fixes the noise seed and -D turns off dither, so the output is the same on every run.
set -eu
cd "$(dirname "$0")"

SOX="sox -R -D"
FORMAT="-r 44100 -b 16 -c 1 -e signed-integer"

# turn.wav: plays after every redraw, up to ten times a second, so it is a short, quiet tick:
# 40 ms of a sine mixed with pink noise, a 2 ms rise, a fade to silence, the highs taken off.
$SOX -n $FORMAT turn.wav \
  synth 0.04 sine 1400 synth 0.04 pinknoise mix \
  fade h 0.002 0.04 0.034 lowpass 2500 gain -n -16

# splash.wav: a short rising jingle (C, E, G, high C) while the splash is up; the splash waits
# for it, so it stays under 1.5 s. Each note is a soft triangle tone that rises in 15 ms and
# fades out over its whole length, started 0.15 s after the one before; the last rings longest.
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
note() { # name start frequency length fade-out
  $SOX -n $FORMAT "$tmp/$1.wav" synth "$4" triangle "$3" fade q 0.015 "$4" "$5" pad "$2" 0
}
note c 0.00 523.25 0.30 0.28
note e 0.15 659.26 0.30 0.28
note g 0.30 783.99 0.30 0.28
note c2 0.45 1046.50 0.75 0.73
$SOX -m "$tmp/c.wav" "$tmp/e.wav" "$tmp/g.wav" "$tmp/c2.wav" $FORMAT splash.wav \
  lowpass 3500 gain -n -4
