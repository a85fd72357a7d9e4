#!/usr/bin/env bash
# Installs what is missing, builds and runs every test.
#   ./test.sh          the normal build in build/
#   ./test.sh --asan   the same under AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/)
set -euo pipefail
cd "$(dirname "$0")"

sanitize=OFF
build_dir=build
for argument in "$@"; do
  case "$argument" in
    --asan) sanitize=ON; build_dir=build-asan ;;
    *) echo "usage: $0 [--asan]" >&2; exit 2 ;;
  esac
done

./scripts/install-deps.sh
# ccache keys on paths relative to the checkout, so a fresh clone in another folder reuses it.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=true

# The tree stays formatted with the root .clang-format.
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror

# Benchmarks are built in the normal build so that they keep compiling; the sanitizer build
# skips them.
benchmarks=ON
[ "$sanitize" = ON ] && benchmarks=OFF
export QT_QPA_PLATFORM=offscreen
if [ "$sanitize" = ON ]; then
  # Set before the build too: the data generators run instrumented while it builds.
  export ASAN_OPTIONS=detect_leaks=1:fast_unwind_on_malloc=0
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
fi

cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DORVANTA_SANITIZE="$sanitize" -DORVANTA_BENCHMARKS="$benchmarks"
cmake --build "$build_dir" -j2

ctest --test-dir "$build_dir" --output-on-failure -j2
