#!/usr/bin/env bash
# The fuzz targets of fuzz/ with libFuzzer, AddressSanitizer and UBSan,
# built with the distribution's clang in build-fuzz/.
#   scripts/fuzz.sh build                       installs clang if missing, builds the targets
#   scripts/fuzz.sh run [SECONDS] [TARGET...]   fuzzes each target for SECONDS (default 60),
#                                               one after the other; fails on a finding
#   scripts/fuzz.sh replay [TARGET...]          runs each target once over its seeds and
#                                               regression inputs
# Targets: design_file clipboard_payload image_codec. New corpus entries go
# to build-fuzz/corpus/TARGET, findings to build-fuzz/findings/TARGET/; copy
# a finding into fuzz/regressions/TARGET/ once it is fixed. FUZZ_FLAGS adds
# libFuzzer flags, e.g. for a long run that keeps going past its findings:
#   FUZZ_FLAGS="-fork=1 -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1"
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${FUZZ_BUILD_DIR:-$root/build-fuzz}"
all_targets=(design_file clipboard_payload image_codec)

# The longest input worth trying per target: far above the seeds, small
# enough that mutations stay quick.
max_len() {
  case "$1" in
    design_file) echo 16384 ;;
    clipboard_payload) echo 8192 ;;
    image_codec) echo 32768 ;;
    *) echo "unknown fuzz target: $1" >&2; exit 2 ;;
  esac
}

# The inputs a target starts from: its regressions, the generated seeds and,
# for design files, the test corpus.
seed_folders() {
  echo "$root/fuzz/regressions/$1" "$build/fuzz-seeds/$1"
  [[ "$1" == design_file ]] && echo "$root/tests/data/corpus"
  return 0
}

build_targets() {
  VANTREL_EXTRA_PACKAGES="clang libclang-rt-14-dev" VANTREL_SKIP_BUILD=1 "$root/scripts/setup.sh"
  CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DVANTREL_FUZZ=ON >/dev/null
  cmake --build "$build" -j "$(nproc)" --target \
    "${all_targets[@]/#/vantrel_fuzz_}"
}

# The time one input may take: 2 s, but a page image at the pixel limit is
# hundreds of megabytes of pixels to decode and copy under the sanitizers,
# over a second on an idle machine, so the codec gets more.
time_limit() {
  case "$1" in
    image_codec) echo 5 ;;
    *) echo 2 ;;
  esac
}

# Runs one target with the limits every input must keep: its time, 1 GiB.
fuzz() {
  local target="$1"
  shift
  mkdir -p "$build/findings/$target"
  # A small quarantine lets freed page-sized images go back at once, so the
  # process's memory stays near what one input really needs.
  QT_QPA_PLATFORM=offscreen ASAN_OPTIONS="detect_leaks=1:quarantine_size_mb=64:${ASAN_OPTIONS:-}" \
    LSAN_OPTIONS="suppressions=$root/fuzz/leak_suppressions.txt:print_suppressions=0:${LSAN_OPTIONS:-}" \
    "$build/bin/vantrel_fuzz_$target" -timeout="$(time_limit "$target")" -rss_limit_mb=1024 -malloc_limit_mb=1024 \
    -max_len="$(max_len "$target")" -dict="$root/fuzz/dictionaries/$target.dict" \
    -artifact_prefix="$build/findings/$target/" -print_final_stats=1 ${FUZZ_FLAGS:-} "$@"
}

command="${1:-}"
shift || true
case "$command" in
  build) build_targets ;;
  run)
    seconds="${1:-60}"
    shift || true
    for target in "${@:-${all_targets[@]}}"; do
      mkdir -p "$build/corpus/$target"
      # shellcheck disable=SC2046
      fuzz "$target" -max_total_time="$seconds" "$build/corpus/$target" $(seed_folders "$target")
    done ;;
  replay)
    for target in "${@:-${all_targets[@]}}"; do
      # shellcheck disable=SC2046
      fuzz "$target" -runs=0 $(seed_folders "$target")
    done ;;
  *) sed -n '2,13p' "$0" | sed 's/^# \{0,1\}//' >&2; exit 2 ;;
esac
