#!/usr/bin/env bash
# Builds the whole test suite, engine and windows, with AddressSanitizer, UndefinedBehaviorSanitizer
# and leak checking, and runs it. Any report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh build >/dev/null # the packages; the ordinary build is a by-product

build_dir=build-sanitize
flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUARVEL_BUILD_BENCH=OFF -DQUARVEL_WERROR=ON \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
cmake --build "$build_dir"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/sanitizer/lsan.supp:print_suppressions=0
ctest --test-dir "$build_dir" --output-on-failure -j"$(nproc)" -LE 'slow|package'
