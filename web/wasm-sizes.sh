#!/bin/sh
# Sizes of the module at each optimisation level, with and without Asyncify, raw and gzipped; the site's
# whole transfer size as served gzipped. Run from the top folder: web/wasm-sizes.sh [BUILT_SITE]
set -eu
site=${1:-build-web/site}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
gz() { gzip -9c "$1" | wc -c; }
common="-std=c++20 -I. -Icore web/glue/page.cpp web/front/*.cpp $(find core -name '*.cpp' | sort)
  -sMODULARIZE -sEXPORT_ES6
  -sEXPORT_NAME=createNuboro -sENVIRONMENT=web -sALLOW_MEMORY_GROWTH -sFILESYSTEM=0
  -sEXPORTED_RUNTIME_METHODS=ccall -sEXPORTED_FUNCTIONS=_main,_malloc,_free"
printf '%-5s %-9s %10s %10s %10s %10s\n' level asyncify wasm wasm.gz js js.gz
for level in -O2 -Os -Oz; do
  for async in -sASYNCIFY "-sASYNCIFY=0"; do
    # Without Asyncify the module links but could not wait: built for its size only.
    em++ $level $async $common -o "$out/n.js" 2>/dev/null
    printf '%-5s %-9s %10d %10d %10d %10d\n' "$level" "$([ "$async" = -sASYNCIFY ] && echo yes || echo no)" \
      "$(wc -c < "$out/n.wasm")" "$(gz "$out/n.wasm")" "$(wc -c < "$out/n.js")" "$(gz "$out/n.js")"
  done
done
if [ -d "$site" ]; then
  total=0
  for f in "$site"/*; do total=$((total + $(gz "$f"))); done
  echo "site $site: $(du -cb "$site"/* | tail -1 | cut -f1) bytes, $total gzipped"
fi
