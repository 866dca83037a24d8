#!/usr/bin/env bash
# Runs clang-tidy with the repository's .clang-tidy over every source file of
# the build:  scripts/run_clang_tidy.sh [BUILD_DIR]   (default build/)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
[[ -f "$build/compile_commands.json" ]] || { echo "configure $build first (./test.sh does)"; exit 2; }
mapfile -t files < <(cd "$root" && find src cli tests bench -name '*.cpp' | sort | sed "s|^|$root/|")
run-clang-tidy -quiet -p "$build" -j "$(nproc)" "${files[@]}"
