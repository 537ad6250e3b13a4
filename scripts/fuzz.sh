#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time.
#   scripts/fuzz.sh            30 seconds a target (what ./test runs)
#   scripts/fuzz.sh 1800       a longer hunt, half an hour a target
# Any crash, leak, timeout or sanitizer report fails the run; libFuzzer then
# leaves the input that caused it as crash-*/leak-*/timeout-* in build-fuzz/findings.
set -euo pipefail
source "$(dirname "$0")/common.sh"
seconds=${1:-30}
build=$VELOTAR_ROOT/build-fuzz

velotar_install_packages "${velotar_packages[@]}" clang-14 libclang-rt-14-dev
if [ ! -f "$build/build.ninja" ]; then
  CC=clang-14 CXX=clang++-14 cmake -S "$VELOTAR_ROOT" -B "$build" -G Ninja \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELOTAR_BUILD_TESTS=OFF -DVELOTAR_FUZZ=ON \
    -DVELOTAR_BUILD_BENCH=OFF \
    "-DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
fi
cmake --build "$build" --target fuzzers

export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
mkdir -p "$build/findings"
status=0
for seeds in "$VELOTAR_ROOT"/tests/fuzz/corpus/*/; do
  target=fuzz_$(basename "$seeds")
  binary=$(find "$build" -name "$target" -type f -perm -u+x | head -n 1)
  [ -n "$binary" ] || { echo "no fuzzer built for $seeds"; status=1; continue; }
  # Work on a copy so the committed seeds stay as they are.
  work=$(mktemp -d)
  cp "$seeds"/* "$work"/
  echo "== $target, $seconds s"
  if ! "$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
       -artifact_prefix="$build/findings/$target-" -print_final_stats=1 "$work" \
       >"$build/findings/$target.log" 2>&1; then
    tail -n 40 "$build/findings/$target.log"
    echo "FAILED: $target (log: $build/findings/$target.log)"
    status=1
  else
    grep -E '^(Done|stat::number_of_executed_units)' "$build/findings/$target.log" | tail -n 1
  fi
  rm -rf "$work"
done
exit $status
