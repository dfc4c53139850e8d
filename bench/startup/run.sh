#!/usr/bin/env bash
# Quarvel's start-up as a whole process, against a bare Qt program that shows a QMainWindow with
# one line of text: the time from start to the first frame drawn and the peak resident memory
# (medians of RUNS runs), and the ratio of each, in English and in Russian. Exits 1 when Quarvel
# takes more than 1.3 times the time or 1.1 times the memory. It also prints both ratios against a
# Qt window that shows the same controls as Quarvel's first page, with their English texts, and
# does nothing else (controls_probe.cpp): what Quarvel adds to what Qt itself takes to show them.
# The programs take turns run after run (measure.py), so that load on the machine falls on all.
#   bench/startup/run.sh [BUILD_DIR] [RUNS]     (defaults: build, 15)
set -euo pipefail
cd "$(dirname "$0")/../.."
build_dir=${1:-build}
runs=${2:-15}

cmake --build "$build_dir" --target quarvel_startup_probe quarvel_bare_probe quarvel_controls_probe >/dev/null
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
exec python3 bench/startup/measure.py "$build_dir/bench" "$runs"
