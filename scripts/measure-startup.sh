#!/usr/bin/env bash
# Cold start of the program to its first shown main window, several runs under Xvfb. Prints the time the program
# reports from main() to the first show event, and the wall time of the whole process (start, show, quit).
# Usage: scripts/measure-startup.sh BUILD_DIR [RUNS]
set -euo pipefail
build=${1:?build directory}
runs=${2:-10}
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    program=$1 runs=$2
    for ((i = 1; i <= runs; i++)); do
        start=$(date +%s%N)
        shown=$(CHENGSHU_MEASURE_STARTUP=1 "$program" 2>/dev/null)
        end=$(date +%s%N)
        echo "run $i: ${shown#startup_ms=} ms to first show, $(( (end - start) / 1000000 )) ms process wall time"
    done
' _ "$build/app/chengshu-bazi" "$runs"
