#!/usr/bin/env bash
# Builds the libFuzzer harnesses of fuzz/ with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs each for SECONDS (default 600), one after the other.
#   scripts/fuzz.sh [SECONDS] [HARNESS...]
# Each harness starts from its seeds in fuzz/corpus/NAME and grows a working corpus in
# build-fuzz/corpus/NAME; a crash leaves its input in build-fuzz/findings/NAME and makes the
# script fail. The last line of each run (executions, coverage) is printed.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
# ccache keys on paths relative to the checkout, so a fresh clone in another folder reuses it.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=true

seconds=${1:-600}
shift || true
harnesses=("$@")
[ ${#harnesses[@]} -eq 0 ] && harnesses=(map aspects planets orientation picture_file
  picture_embedded places timechange ini keyed_text cli notebook aaf)

export ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export QT_QPA_PLATFORM=offscreen
# The chart command finds the engine in the fuzz build's application folder.
export ORVANTA_HOME=$PWD/build-fuzz/app

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DORVANTA_FUZZ=ON >/dev/null
targets=()
for name in "${harnesses[@]}"; do targets+=("fuzz_$name"); done
cmake --build build-fuzz -j2 --target "${targets[@]}"

failed=()
for name in "${harnesses[@]}"; do
  # Absolute paths: the command line harness works in a scratch folder of its own.
  corpus=$PWD/build-fuzz/corpus/$name
  findings=$PWD/build-fuzz/findings/$name
  mkdir -p "$corpus" "$findings"
  log=build-fuzz/fuzz-$name.log
  # The command line harness writes the files it is told to write into its scratch folder.
  if ! build-fuzz/fuzz/fuzz_"$name" "$corpus" "$PWD/fuzz/corpus/$name" -max_total_time="$seconds" \
      -max_len=16384 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$findings/" >"$log" 2>&1; then
    failed+=("$name")
  fi
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo "?")
  coverage=$(grep -o 'cov: [0-9]*' "$log" | tail -1 || echo "cov: ?")
  echo "$name: $runs runs, $coverage, $(ls "$findings" | wc -l) findings (log $log)"
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "findings in: ${failed[*]}" >&2
  exit 1
fi
