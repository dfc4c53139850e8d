#!/usr/bin/env bash
# Fuzzes the config loader with libFuzzer for SECONDS (default 60), where clang is installed.
# New inputs go to a scratch folder; the seed configs in tests/data/fuzz-seeds stay as they are.
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
cmake --build "$build_dir" --target quarvel_loader_fuzz

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$build_dir/tests/fuzz/quarvel_loader_fuzz" "$scratch" tests/data/fuzz-seeds \
  -max_total_time="$seconds" -print_final_stats=1 -rss_limit_mb=2048
