#!/usr/bin/env bash
# Installs what the build needs (Debian 12 packages), then configures and
# builds. Sourced by run.sh and test.sh; BUILD_DIR and CMAKE_EXTRA may be set,
# VANTREL_BUILD_TARGETS names the targets to build (all of them when unset;
# run.sh builds only the editor), VANTREL_EXTRA_PACKAGES names more packages
# and VANTREL_SKIP_BUILD=1 only installs (scripts/fuzz.sh uses both for its
# own compiler).
set -euo pipefail

VANTREL_PACKAGES=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  # SVG export; the printing tests read their PDF pages back with poppler-utils.
  qt6-svg-dev poppler-utils
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  clang-format binutils
  fonts-dejavu-core xvfb xauth
  # The X11 (xcb) platform plugin, for the clipboard test between two processes.
  libqt6gui6
  # The installation: icons drawn from the SVG, manual pages, the Debian
  # package (dpkg-shlibdeps finds its dependencies) and the desktop checks.
  librsvg2-bin groff-base dpkg-dev file
  desktop-file-utils appstream shared-mime-info xdg-utils libfile-mimeinfo-perl
)
read -r -a extra_packages <<<"${VANTREL_EXTRA_PACKAGES:-}"
VANTREL_PACKAGES+=("${extra_packages[@]}")

install_missing_packages() {
  local missing=()
  for package in "${VANTREL_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
      || missing+=("$package")
  done
  ((${#missing[@]} == 0)) && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  ((EUID != 0)) && sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
}

configure_and_build() {
  local root build_dir
  root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
  build_dir="${BUILD_DIR:-$root/build}"
  cmake -S "$root" -B "$build_dir" -G Ninja ${CMAKE_EXTRA:-} >/dev/null
  local targets=()
  read -r -a targets <<<"${VANTREL_BUILD_TARGETS:-}"
  cmake --build "$build_dir" -j "$(nproc)" ${targets[@]:+--target "${targets[@]}"}
}

install_missing_packages
[[ "${VANTREL_SKIP_BUILD:-0}" == 1 ]] || configure_and_build
