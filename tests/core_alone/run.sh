#!/usr/bin/env bash
# Builds the core and its tests with no toolkit to be found, in the folder given, and runs the tests.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out=$1
launcher=()
[ -n "${CMAKE_CXX_COMPILER_LAUNCHER:-}" ] && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER="$CMAKE_CXX_COMPILER_LAUNCHER")
cmake -S "$here" -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" >/dev/null
cmake --build "$out" -j2
ctest --test-dir "$out" --output-on-failure
