#!/usr/bin/env bash
# Fails when a manual page has a formatting error, or when the page of the
# command line misses a command or an option that `vantrel-cli --help` lists.
#   check_man_pages.sh SOURCE_DIR PATH_TO_VANTREL_CLI    (exit 77, skipped, without groff)
set -euo pipefail
man_dir="${1:?usage: check_man_pages.sh SOURCE_DIR PATH_TO_VANTREL_CLI}/desktop/man"
cli="${2:?usage: check_man_pages.sh SOURCE_DIR PATH_TO_VANTREL_CLI}"
command -v groff >/dev/null || { echo "skipped: groff is not installed"; exit 77; }

failures=0
for page in "$man_dir"/*.1; do
  warnings="$(groff -man -ww -z "$page" 2>&1)"
  [[ -z "$warnings" ]] || { echo "$warnings"; failures=$((failures + 1)); }
done

# The page's source with roff's escaped hyphens as plain ones.
page_text="$(sed 's/\\-/-/g' "$man_dir/vantrel-cli.1")"
help="$("$cli" --help)"
for command in $(sed -n 's/^  \([a-z][a-z]*\) .*/\1/p' <<<"$help"); do
  grep -q "^\.BI $command\b" <<<"$page_text" ||
    { echo "vantrel-cli.1 does not describe the command $command"; failures=$((failures + 1)); }
  usage="$("$cli" "$command" --help)"
  options="$({ grep -oE -- '(^|[^[:alnum:]-])--?[a-z][a-z-]*' <<<"$usage" || true; } |
    sed 's/^[^-]*//' | sort -u)"
  for option in $options; do
    grep -qw -- "$option" <<<"$page_text" ||
      { echo "vantrel-cli.1 misses $command's option $option"; failures=$((failures + 1)); }
  done
done
((failures == 0)) || exit 1
echo "manual pages format cleanly and name every command and option of vantrel-cli"
