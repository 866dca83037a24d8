#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite.
#   ./test.sh             normal build in build/
#   ./test.sh --sanitize  AddressSanitizer + UBSan build in build-sanitize/
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
export BUILD_DIR="$root/build"
# Warnings fail the build here (and so in CI); a plain cmake build only shows them.
export CMAKE_EXTRA="-DVANTREL_WERROR=ON"
for arg in "$@"; do
  case "$arg" in
    --sanitize)
      BUILD_DIR="$root/build-sanitize"
      CMAKE_EXTRA+=" -DVANTREL_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug" ;;
    *) echo "usage: ./test.sh [--sanitize]" >&2; exit 2 ;;
  esac
done
"$root/scripts/setup.sh"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd "$BUILD_DIR"
ctest --output-on-failure -j "$(nproc)"
