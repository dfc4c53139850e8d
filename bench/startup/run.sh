#!/usr/bin/env bash
# Quarvel's start-up as a whole process, against a bare Qt program that shows a QMainWindow with
# one line of text: the time from start to the first frame drawn (hyperfine, median of RUNS runs)
# and the peak resident memory (/usr/bin/time -f %M, median of RUNS runs), and the ratio of each,
# in English and in Russian. Exits 1 when Quarvel takes more than 1.3 times the time or 1.1 times
# the memory. It also prints both ratios against a Qt window that shows the same controls as
# Quarvel's first page, with their English texts, and does nothing else (controls_probe.cpp): what
# Quarvel adds to what Qt itself takes to show them.
#   bench/startup/run.sh [BUILD_DIR] [RUNS]     (defaults: build, 15)
set -euo pipefail
cd "$(dirname "$0")/../.."
build_dir=${1:-build}
runs=${2:-15}

for tool in hyperfine /usr/bin/time; do
  command -v "$tool" >/dev/null || { echo "startup: $tool is missing (Debian packages hyperfine, time)"; exit 2; }
done
cmake --build "$build_dir" --target quarvel_startup_probe quarvel_bare_probe quarvel_controls_probe >/dev/null

export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
quarvel=$build_dir/bench/quarvel_startup_probe
bare=$build_dir/bench/quarvel_bare_probe
controls=$build_dir/bench/quarvel_controls_probe
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

median_kib() { # PROGRAM
  for _ in $(seq "$runs"); do
    /usr/bin/time -f %M "$1" 2>&1 >/dev/null | tail -n 1
  done | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}

status=0
for language in en ru; do
  export QUARVEL_LANGUAGE=$language
  hyperfine --warmup 3 --runs "$runs" --style none --export-json "$work/times.json" \
    -n quarvel "$quarvel" -n bare "$bare" -n controls "$controls" >/dev/null
  median_ms() { # NAME
    python3 -c 'import json,sys; r={x["command"]: x["median"] for x in json.load(open(sys.argv[1]))["results"]}; print(round(1000*r[sys.argv[2]], 1))' "$work/times.json" "$1"
  }
  quarvel_ms=$(median_ms quarvel)
  bare_ms=$(median_ms bare)
  quarvel_kib=$(median_kib "$quarvel")
  bare_kib=$(median_kib "$bare")
  controls_ms=$(median_ms controls)
  controls_kib=$(median_kib "$controls")
  ratio() { python3 -c "print(round($1 / $2, 2))"; }
  time_ratio=$(ratio "$quarvel_ms" "$bare_ms")
  memory_ratio=$(ratio "$quarvel_kib" "$bare_kib")
  echo "$language: start to first frame, median of $runs: Quarvel $quarvel_ms ms, bare Qt window with text $bare_ms ms, ratio $time_ratio (at most 1.3)"
  echo "$language: peak resident memory, median of $runs: Quarvel $quarvel_kib KiB, bare Qt window with text $bare_kib KiB, ratio $memory_ratio (at most 1.1)"
  echo "$language: against a plain Qt window with the first page's controls ($controls_ms ms, $controls_kib KiB): time ratio $(ratio "$quarvel_ms" "$controls_ms"), memory ratio $(ratio "$quarvel_kib" "$controls_kib"); that window against the bare one: $(ratio "$controls_ms" "$bare_ms") and $(ratio "$controls_kib" "$bare_kib")"
  python3 -c "import sys; sys.exit(0 if $time_ratio <= 1.3 and $memory_ratio <= 1.1 else 1)" || status=1
done
exit $status
