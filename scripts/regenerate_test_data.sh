#!/usr/bin/env bash
# Rewrites the design file corpus (tests/data/corpus) and the golden export
# files (tests/data/golden) from their generators in tests/support.
#
# A regeneration is reviewed like code: every changed byte of a golden file
# is a changed output of the program, and every changed corpus file a changed
# test input. Look at the diff (the golden test prints hex diffs) and say in
# the commit why the bytes changed.
#
#   scripts/regenerate_test_data.sh [BUILD_DIR]     (default: build)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="${1:-$root/build}"
cmake --build "$build_dir" --target vantrel_test_data -j2
"$build_dir/bin/vantrel_test_data" "$root/tests/data"
git -C "$root" status --short -- tests/data
