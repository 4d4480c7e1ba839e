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
