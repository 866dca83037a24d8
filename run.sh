#!/usr/bin/env bash
# Installs what is missing, builds the editor (only what it needs: the tests,
# benchmarks and fuzz targets are left to ./test.sh) and starts it:
#   ./run.sh [design.lgc]
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
VANTREL_BUILD_TARGETS=vantrel "$root/scripts/setup.sh"
exec "$root/build/bin/vantrel" "$@"
