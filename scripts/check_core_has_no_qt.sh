#!/usr/bin/env bash
# Fails when a file of the core layer includes a Qt header. The core must
# build and run without Qt; only src/platform/qt and the GUI layers may use it.
set -euo pipefail
src="${1:?usage: check_core_has_no_qt.sh SRC_DIR}"
core_dirs=(archive document elements compiler paint hardware export)
hits=$( { grep -rnE '#\s*include\s*[<"](Q[A-Za-z]|qt)' "${core_dirs[@]/#/$src/}" 2>/dev/null || true;
          grep -nE '#\s*include\s*[<"](Q[A-Za-z]|qt)' "$src"/platform/*.h "$src"/platform/*.cpp 2>/dev/null || true; } )
if [[ -n "$hits" ]]; then
  echo "Qt headers included by core files:"
  echo "$hits"
  exit 1
fi
echo "core is free of Qt includes"
