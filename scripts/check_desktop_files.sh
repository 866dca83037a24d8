#!/usr/bin/env bash
# Fails when the desktop integration files are invalid or disagree: the menu
# entry, the AppStream metadata and the file type must name the same type,
# application and icon, or file managers open designs with nothing; the
# newest release they describe must be the version being built.
#   check_desktop_files.sh SOURCE_DIR VERSION   (exit 77, skipped, without the validators)
set -euo pipefail
usage="usage: check_desktop_files.sh SOURCE_DIR VERSION"
dir="${1:?$usage}/desktop"
version="${2:?$usage}"
for tool in desktop-file-validate appstreamcli update-mime-database; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
app_id=org.vantrel.Vantrel
desktop="$dir/$app_id.desktop"
metainfo="$dir/$app_id.metainfo.xml"

desktop-file-validate "$desktop"
appstreamcli validate --no-net "$metainfo" >/dev/null || appstreamcli validate --no-net "$metainfo"

# The type as the shared database compiles it from the package's file.
database="$(mktemp -d)"
trap 'rm -rf "$database"' EXIT
mkdir "$database/packages"
cp "$dir/vantrel-mime.xml" "$database/packages/vantrel.xml"
update-mime-database "$database" >/dev/null 2>&1
mime_type="$(awk -F: '$3 == "*.lgc" {print $2}' "$database/globs2")"
[[ -n "$mime_type" ]] || { echo "the file type has no *.lgc glob"; exit 1; }

failures=0
expect() { # WHAT ACTUAL EXPECTED
  [[ "$2" == "$3" ]] && return 0
  echo "$1: '$2', expected '$3'"
  failures=$((failures + 1))
}
field() { sed -n "s/^$1=//p" "$desktop"; }
expect "desktop MimeType" "$(field MimeType)" "$mime_type;"
expect "desktop Icon" "$(field Icon)" "$app_id"
expect "desktop Exec" "$(field Exec)" "vantrel %f"
expect "file type icon" "$(cat "$database/icons")" "$mime_type:$app_id"
expect "AppStream media type" "$(sed -n 's:.*<mediatype>\(.*\)</mediatype>.*:\1:p' "$metainfo")" \
  "$mime_type"
expect "AppStream launchable" \
  "$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")" \
  "$app_id.desktop"
expect "AppStream release" \
  "$(sed -n 's:.*<release version="\([^"]*\)".*:\1:p' "$metainfo" | head -n 1)" "$version"
expect "change log release" "$(sed -n '1s/^vantrel (\(.*\)).*/\1/p' "$dir/changelog")" "$version"
expect "icon source" "$(basename "$(ls "$dir"/*.svg)")" "$app_id.svg"
((failures == 0)) || exit 1
echo "desktop files agree on $mime_type, $app_id.desktop and the icon $app_id"
