#!/usr/bin/env bash
# Builds the Debian package of the editor and the command line with CPack:
#   ./scripts/package.sh      writes build/package/vantrel_VERSION_ARCH.deb
# Installs what is missing and builds first, as test.sh does; BUILD_DIR picks
# another build folder.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
export BUILD_DIR="${BUILD_DIR:-$root/build}"
"$root/scripts/setup.sh"
cd "$BUILD_DIR"
rm -f package/*.deb
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
if ! cpack -G DEB >"$log" 2>&1; then
  cat "$log" >&2
  echo "package.sh: cpack failed" >&2
  exit 1
fi
ls "$BUILD_DIR"/package/*.deb
