#!/usr/bin/env bash
# The layers' include directions: the core names only its own headers, the worksheet program and the desktop
# only their own and the core's, the core's tests only theirs and the core's. Linking keeps a layer from
# finding a higher one's headers in a build; this also catches a path that climbs out ("../desktop/...").
# With "toolkit": the core includes nothing but the C++ standard library and links nothing else.
# Usage: tests/layers_test.sh directions
#        tests/layers_test.sh toolkit [the core's link libraries...]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd -P)
found=0

violation() {
  echo "$1"
  found=$((found + 1))
}

# Where a header that a layer cannot see lives, for the message.
owner() {
  local name=$1 folder
  for folder in core desktop sheet web tests/core tests/desktop; do
    if [ -f "$folder/$name" ]; then
      echo "$folder/$name"
      return
    fi
  done
  if [ -f "$name" ]; then echo "$name"; else echo "nowhere"; fi
}

# check_layer FOLDER ROOT...: every quoted include in FOLDER must be found beside its file or under a ROOT,
# and what it finds must lie under a ROOT.
check_layer() {
  local folder=$1
  shift
  local file line name base seen allowed
  while IFS=: read -r file line name; do
    seen=""
    for base in "${file%/*}" "$@"; do
      if [ -f "$base/$name" ]; then
        seen=$(realpath "$base/$name")
        break
      fi
    done
    if [ -z "$seen" ]; then
      violation "$file:$line: \"$name\" is not in its layer (it is $(owner "$name"))"
      continue
    fi
    allowed=""
    for base in "$@"; do
      case $seen in "$root/$base"/*) allowed=yes ;; esac
    done
    [ -n "$allowed" ] || violation "$file:$line: \"$name\" reaches ${seen#"$root"/}, outside its layer"
  done < <(grep -rnoE --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"]+"' \
             "$folder" | sed -E 's/:[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]+)"$/:\1/')
}

case ${1:-} in
  directions)
    check_layer core core
    check_layer qt qt core
    check_layer sheet sheet qt core
    check_layer desktop desktop qt core
    check_layer tests/core tests/core tests/core/fakes core
    check_layer tests/qt tests/qt tests/core tests/core/fakes qt core
    ;;
  toolkit)
    shift
    # The standard library's headers are bare lowercase names: <vector>, <cstdint>, <string_view>.
    while IFS=: read -r file line text; do
      violation "$file:$line: the core includes <${text#*<} (not the C++ standard library)"
    done < <(grep -rnE --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include[[:space:]]*<' core |
               grep -vE ':[[:space:]]*#[[:space:]]*include[[:space:]]*<[a-z_0-9]+>')
    for library in "$@"; do
      violation "the core links $library (it may link only the C++ standard library)"
    done
    ;;
  *)
    echo "usage: $0 directions | toolkit [the core's link libraries...]" >&2
    exit 2
    ;;
esac

if [ "$found" -gt 0 ]; then
  echo "layers: $found against the layers' direction"
  exit 1
fi
echo "layers: every include runs within its layer or down to the core"
