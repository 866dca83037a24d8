#!/usr/bin/env bash
# Fails when a source file differs from what clang-format makes of it, and
# names the files:  check_format.sh REPOSITORY_ROOT
# To reformat everything:  clang-format -i $(git ls-files '*.h' '*.cpp')
set -euo pipefail
root="${1:?usage: check_format.sh REPOSITORY_ROOT}"
cd "$root"
mapfile -t files < <(find src cli tests bench fuzz examples -name '*.h' -o -name '*.cpp' | sort)
if ! report=$(clang-format --dry-run --Werror "${files[@]}" 2>&1); then
  echo "not formatted with clang-format:"
  grep -oE '^[^:]+\.(h|cpp)' <<<"$report" | sort -u | sed 's/^/  /'
  exit 1
fi
echo "${#files[@]} files formatted"
