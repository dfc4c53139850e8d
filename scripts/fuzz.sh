#!/usr/bin/env bash
# Fuzzes the config loader and the check's start-up with libFuzzer for SECONDS in all (default 60,
# half each), where clang is installed. New inputs go to scratch folders; the seeds in
# tests/data/fuzz-seeds and tests/data/start-up-seeds stay as they are.
#   scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

if ! command -v clang++ >/dev/null || ! compgen -G "/usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a" >/dev/null; then
  echo "fuzz: skipped, clang with its fuzzer runtime (clang, libclang-rt-14-dev) is not installed"
  exit 0
fi

build_dir=build-fuzz
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUARVEL_FUZZ=ON -DQUARVEL_BUILD_UI=OFF -DQUARVEL_BUILD_BENCH=OFF >/dev/null
cmake --build "$build_dir" --target quarvel_loader_fuzz quarvel_start_up_fuzz

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/loader" "$scratch/start-up"
half=$(( (seconds + 1) / 2 ))
"$build_dir/tests/fuzz/quarvel_loader_fuzz" "$scratch/loader" tests/data/fuzz-seeds \
  -max_total_time="$half" -print_final_stats=1 -rss_limit_mb=2048
# An input that takes seconds is a regression of the start-up's limits, not a slow machine.
"$build_dir/tests/fuzz/quarvel_start_up_fuzz" "$scratch/start-up" tests/data/start-up-seeds \
  -max_total_time="$half" -print_final_stats=1 -rss_limit_mb=2048 -timeout=30 -max_len=16384
