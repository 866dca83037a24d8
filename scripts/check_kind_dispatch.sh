#!/usr/bin/env bash
# Checks that what differs by element or paint kind is asked of the kind
# tables (element_kinds.cpp, paint_kinds.cpp) and of the kinds' own classes,
# not worked out by switches or cast chains elsewhere:
#   - no dynamic_cast and no typeid, except the ones listed below, which
#     take no decision over kinds;
#   - no if/else-if chain and no expression that tests two kinds
#     (KindAs / IsKind, the cheap kind tests of element_kind.h);
#   - no switch over a row's field and no comparison of class names;
#   - no case label naming the command of a paint kind.
#   check_kind_dispatch.sh REPOSITORY_ROOT
set -euo pipefail
root="${1:?usage: check_kind_dispatch.sh REPOSITORY_ROOT}"

# The dynamic_casts that stay, by file, with why.
declare -A allowed_casts=(
  # a reference read from an archive, checked to be of the class the reader asks for
  [src/archive/archive.h]=1
  # CopyFrom copies the fields of its own class when the other object has them
  [src/paint/curve.cpp]=1
  [src/paint/text_stuff.cpp]=1
  [src/paint/filled.h]=1
)

# The typeids that stay, by file, with why.
declare -A allowed_typeids=(
  # the class a reader asks for (a template argument, never an object's
  # kind), as the key of the archive's remembered class checks
  [src/archive/archive.h]=1
)

kind_test='\b(KindAs|IsKind)<'
paint_kind_commands='kPaint(Pen|Line|Ellipse|FilledEllipse|Rectangle|FilledRectangle|Text|FilledText)\b'

failures=()
# Reports every line of $file that matches the pattern, with the message.
flag() {
  local pattern="$1" message="$2" line
  while IFS=: read -r line _; do
    failures+=("$relative:$line: $message")
  done < <(grep -nE "$pattern" "$file" || true)
}

while IFS= read -r file; do
  relative="${file#"$root"/}"
  [[ -n "${allowed_casts[$relative]+set}" ]] ||
    flag '\bdynamic_cast\s*<' "dynamic_cast: ask the kind table or test the kind with KindAs/IsKind"
  [[ -n "${allowed_typeids[$relative]+set}" ]] ||
    flag '\btypeid\s*\(' "typeid: ask the kind table"
  flag "else\s+if\s*\(.*$kind_test|$kind_test.*(\|\||&&|\?).*$kind_test" \
    "a chain of kind tests: put what differs by kind into the kind's row"
  flag 'switch\s*\(.*\.(properties|icon|tool|sortRole|className)\s*\)' \
    "a switch over a kind's row: let the row carry the answer"
  flag 'ClassName\(\)\s*[=!]=|[=!]=\s*[A-Za-z_.>-]*ClassName\(\)|strcmp\([^;]*ClassName\(\)' \
    "class names compared: ask the kind's row"
  flag "case\s+(command::)?$paint_kind_commands" "a case over paint kinds: ask the paint kind table"
done < <(find "$root/src" "$root/cli" -name '*.h' -o -name '*.cpp' | sort)

if ((${#failures[@]})); then
  printf '%s\n' "${failures[@]}"
  exit 1
fi
echo "no switch or cast chain over element or paint kinds outside the kind tables"
