#!/usr/bin/env bash
# Runs clang-tidy with the repository's .clang-tidy over every source file of
# the build:  scripts/run_clang_tidy.sh [BUILD_DIR]   (default build/)
# Exits non-zero when any file has a finding (.clang-tidy makes every warning an
# error) or cannot be parsed. Files that Qt generates (moc, uic, rcc, the
# *_autogen folders) are never checked, wherever the build puts them.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
[[ -f "$build/compile_commands.json" ]] || { echo "configure $build first (./test.sh does)"; exit 2; }

# run-clang-tidy takes regular expressions, not file names.
escape() { sed 's/[].[\\*^$()+?{}|]/\\&/g' <<<"$1"; }

mapfile -t files < <(cd "$root" && find src cli tests bench -name '*_autogen' -prune -o \
    -name '*.cpp' ! -name 'moc_*' ! -name 'qrc_*' ! -name 'ui_*' -print | sort)
patterns=()
for file in "${files[@]}"; do
    patterns+=("^$(escape "$root/$file")\$")
done

# Headers only from the source folders, so generated headers in the build
# (ui_*.h, *_autogen/include) never report.
header_filter="^$(escape "$root")/(src|cli|tests|bench)/.*\.h$"

run-clang-tidy -quiet -p "$build" -j "$(nproc)" -header-filter="$header_filter" "${patterns[@]}"
