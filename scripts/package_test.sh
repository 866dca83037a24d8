#!/usr/bin/env bash
# Builds the Debian package, installs it into this machine with dpkg, checks
# that the programs, the design file type, the menu entry, the icons, the
# manual pages, the example designs and blocks reach the desktop, then removes the
# package again.
# Installing needs root: as another user the test is skipped.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
export BUILD_DIR="${BUILD_DIR:-$root/build}"

readonly mime_type=application/x-vantrel-design
readonly app_id=org.vantrel.Vantrel
readonly share=/usr/share

if ((EUID != 0)); then
  echo "package test skipped: installing the package into the machine needs root"
  exit 0
fi
if dpkg-query -W -f='${Status}' vantrel 2>/dev/null | grep -q "ok installed"; then
  echo "package test skipped: a vantrel package is installed already and the test would remove it"
  exit 0
fi

"$root/scripts/package.sh" >/dev/null
deb="$(ls "$BUILD_DIR"/package/vantrel_*.deb)"
work="$(mktemp -d)"
cleanup() {
  dpkg --purge vantrel >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT

failures=0
check() {
  local what="$1"
  shift
  if "$@" >"$work/output" 2>&1; then
    echo "ok: $what"
  else
    echo "FAILED: $what"
    sed 's/^/    /' "$work/output"
    failures=$((failures + 1))
  fi
}

# What a user's session sees: no desktop environment of its own (xdg-utils
# then reads the shared databases), a home folder without overrides.
mkdir -p "$work/home"
as_user() { (cd "$work" && env -i PATH=/usr/bin:/bin HOME="$work/home" "$@"); }
equals() { # EXPECTED COMMAND...: the command prints exactly EXPECTED
  local expected="$1" actual
  shift
  actual="$("$@")" || return 1
  [[ "$actual" == "$expected" ]] || { echo "expected '$expected', got '$actual'"; return 1; }
}
depends_on() { dpkg-deb --field "$deb" Depends | tr ',' '\n' | grep -q "^ *$1\b"; }
depends_on_linked_libraries() { depends_on libqt6widgets6 && depends_on libc6; }
png_of_size() { file -b "$1" | grep -q "^PNG image data, $2 x $2,"; }
icons_present() {
  local size
  for size in 16 22 24 32 48 64 128 256; do
    png_of_size "$share/icons/hicolor/${size}x${size}/apps/$app_id.png" "$size" ||
      { echo "no ${size}x${size} icon"; return 1; }
  done
  [[ -s "$share/icons/hicolor/scalable/apps/$app_id.svg" ]]
}
# Where the machine keeps an icon cache (hicolor-icon-theme refreshes it), the
# icon must be in it, or themes that trust the cache miss it.
readonly icon_cache="$share/icons/hicolor/icon-theme.cache"
icon_cached() { [[ ! -f "$icon_cache" ]] || grep -qa "$app_id" "$icon_cache"; }
icon_uncached() { [[ ! -f "$icon_cache" ]] || ! grep -qa "$app_id" "$icon_cache"; }
manual_pages_present() {
  gzip -t "$share/man/man1/vantrel.1.gz" "$share/man/man1/vantrel-cli.1.gz"
}
# The example designs are installed and open cleanly with the installed programs.
readonly examples="$share/vantrel/examples"
examples_present() {
  local name
  for name in pump_station conveyor heating; do
    [[ -f "$examples/$name.lgc" ]] || { echo "no $examples/$name.lgc"; return 1; }
    as_user vantrel-cli check "$examples/$name.lgc" || return 1
  done
}
blocks_present() {
  local listed
  listed="$(as_user vantrel-cli block list "$share/vantrel/blocks")" || return 1
  [[ "$(grep -c '\.lgb: ' <<<"$listed")" == 4 ]] || { echo "$listed"; return 1; }
}
examples_gone() { [[ ! -e "$examples" && ! -e "$share/vantrel/blocks" ]]; }
mime_database_knows_type() { [[ -f "$share/mime/application/x-vantrel-design.xml" ]]; }
desktop_database_knows_type() {
  grep -q "^$mime_type=.*$app_id.desktop" "$share/applications/mimeinfo.cache"
}
editor_starts() { # a start that fails ends before the time-out
  local status=0
  as_user env QT_QPA_PLATFORM=offscreen timeout 5 vantrel plant.lgc || status=$?
  ((status == 124)) || { echo "vantrel ended with status $status"; return 1; }
}
not_installed() { ! as_user sh -c 'command -v vantrel-cli || command -v vantrel'; }
type_forgotten() { ! mime_database_knows_type && ! desktop_database_knows_type; }

cp "$root/tests/data/corpus/design_v19.lgc" "$work/plant.lgc"

check "the package depends on the libraries it links" depends_on_linked_libraries
check "dpkg installs the package" dpkg -i "$deb"
check "vantrel-cli --version runs from the PATH" \
  equals "vantrel-cli $(dpkg-deb --field "$deb" Version)" as_user vantrel-cli --version
check "the editor is on the PATH" equals /usr/bin/vantrel as_user sh -c 'command -v vantrel'
check "the installed editor starts (its libraries and platform plugin load)" editor_starts
check "the mime database has the design type" mime_database_knows_type
check "xdg-mime gives a .lgc file the design type" \
  equals "$mime_type" as_user xdg-mime query filetype plant.lgc
check "the desktop database opens the design type with the editor" desktop_database_knows_type
check "xdg-mime opens the design type with the editor" \
  equals "$app_id.desktop" as_user xdg-mime query default "$mime_type"
check "the .desktop file is valid" desktop-file-validate "$share/applications/$app_id.desktop"
check "the AppStream metadata is valid" \
  appstreamcli validate --no-net "$share/metainfo/$app_id.metainfo.xml"
check "the icon is there in every size and as SVG" icons_present
check "the icon cache has the icon" icon_cached
check "the manual pages are there" manual_pages_present
check "the example designs are there and check clean" examples_present
check "the example blocks are there and read" blocks_present
check "dpkg removes the package" dpkg --purge vantrel
check "the programs are gone" not_installed
check "the example designs and blocks are gone" examples_gone
check "the design type is gone from the databases" type_forgotten
check "the icon is gone from the icon cache" icon_uncached

if ((failures > 0)); then
  echo "package test: $failures checks failed"
  exit 1
fi
echo "package test passed"
