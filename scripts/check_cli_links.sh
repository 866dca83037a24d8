#!/usr/bin/env bash
# Fails when the command line depends on Qt Widgets or Qt PrintSupport: it
# must run headless on a machine without them.
#   check_cli_links.sh PATH_TO_VANTREL_CLI
set -euo pipefail
binary="${1:?usage: check_cli_links.sh PATH_TO_VANTREL_CLI}"
needed=$(objdump -p "$binary" | awk '/NEEDED/ {print $2}')
if grep -E 'Qt6(Widgets|PrintSupport)' <<<"$needed"; then
  echo "vantrel-cli links a widget library"
  exit 1
fi
grep -q 'Qt6Gui' <<<"$needed" || { echo "vantrel-cli no longer links Qt Gui: is this the right binary?"; exit 1; }
echo "vantrel-cli links: $(tr '\n' ' ' <<<"$needed")"
