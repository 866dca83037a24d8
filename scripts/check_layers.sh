#!/usr/bin/env bash
# Checks the layering of the code: a folder includes only from folders at its
# own level or below, and the core and the editing library include no Qt.
#   check_layers.sh REPOSITORY_ROOT
set -euo pipefail
root="${1:?usage: check_layers.sh REPOSITORY_ROOT}"

# Lowest first. The core is everything up to export and compare; the editing library and
# the Qt adapters stand on it; the command line on those; the widgets on top.
declare -A level=(
  [graphics]=0 [archive]=1 [elements]=2 [paint]=3 [hardware]=3 [document]=4
  [compiler]=5 [export]=6 [compare]=6 [editing]=8 [qt_adapters]=8 [cli]=9
  [editor]=10 [dialogs]=11 [app]=12
)
qt_free=(graphics archive elements paint hardware document compiler export compare editing)

# The layer a file or an include path belongs to ("editing/x.h" -> editing).
layer_of() {
  local path="$1"
  case "$path" in
    */*) echo "${path%%/*}" ;;
    *) echo "" ;;
  esac
}

failures=()
while IFS= read -r file; do
  relative="${file#"$root"/}"
  relative="${relative#src/}"
  own=$(layer_of "$relative")
  [[ -n "$own" && -n "${level[$own]+set}" ]] || continue
  while IFS= read -r include; do
    target=$(layer_of "$include")
    [[ -n "$target" && -n "${level[$target]+set}" ]] || continue
    if ((level[$target] > level[$own])); then
      failures+=("$relative includes \"$include\" from the higher layer $target")
    fi
  done < <(sed -nE 's/^\s*#\s*include\s*"([^"]+)".*/\1/p' "$file")
  for free in "${qt_free[@]}"; do
    if [[ "$own" == "$free" ]] && grep -qE '^\s*#\s*include\s*[<"](Q[A-Za-z]|qt)' "$file"; then
      failures+=("$relative includes a Qt header, but $own builds without Qt")
    fi
  done
done < <(find "$root/src" "$root/cli" -name '*.h' -o -name '*.cpp' | sort)

if ((${#failures[@]})); then
  printf '%s\n' "${failures[@]}"
  exit 1
fi
echo "every include points down and the Qt-free layers include no Qt"
