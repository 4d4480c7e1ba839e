#!/usr/bin/env bash
# The Debian package as Debian's own checker judges it: cpack builds it from the build folder, and lintian
# at its default level may report no error and no warning. Skipped (77) only without lintian or dpkg-deb.
set -euo pipefail
cpack=${1:?usage: $0 path/to/cpack build-folder}
build=${2:?usage: $0 path/to/cpack build-folder}
for tool in lintian dpkg-deb; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (scripts/install-deps installs it): skipped"; exit 77; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/package.XXXXXX")
trap 'rm -rf "$work"' EXIT
if ! "$cpack" -G DEB -B "$work" --config "$build/CPackConfig.cmake" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log"
  echo "FAIL: cpack could not make the package" >&2
  exit 1
fi
debs=("$work"/*.deb)
[ -f "${debs[0]}" ] || { echo "FAIL: cpack made no .deb" >&2; exit 1; }

status=0
lintian "${debs[0]}" >"$work/lintian.log" 2>&1 || status=$?
cat "$work/lintian.log"
if grep -q '^[EW]: ' "$work/lintian.log" || [ "$status" -ne 0 ]; then
  echo "FAIL: lintian finds fault with ${debs[0]##*/} (exit status $status)" >&2
  exit 1
fi
echo "lintian: nothing to report on ${debs[0]##*/}"
