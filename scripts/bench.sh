#!/usr/bin/env bash
# Installs what is missing, builds the benchmarks in Release and runs them (the record-tree one needs Qt). Arguments go to Google Benchmark,
# e.g. ./scripts/bench.sh --benchmark_filter=FourPillars
set -euo pipefail
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

"$ROOT/scripts/setup-deps.sh"
cmake -S "$ROOT" -B "$BENCH_BUILD_DIR" -DCMAKE_BUILD_TYPE=Release -DLANDPP_BUILD_BENCH=ON -DLANDPP_BUILD_TESTS=OFF \
    >/dev/null
cmake --build "$BENCH_BUILD_DIR" -j "$JOBS"
"$BENCH_BUILD_DIR/bench/landpp_bench" "$@"
"$BENCH_BUILD_DIR/bench/cli_bench" "$@"
# Time zones; built only when the date library is installed.
if [[ -x "$BENCH_BUILD_DIR/bench/zones_bench" ]]; then
    "$BENCH_BUILD_DIR/bench/zones_bench" "$@"
fi
# The record tree on a large data directory and the drawn chart; built only with the desktop program.
if [[ -x "$BENCH_BUILD_DIR/bench/gui_bench" ]]; then
    QT_QPA_PLATFORM=offscreen "$BENCH_BUILD_DIR/bench/gui_bench" "$@"
fi
# The astronomy library; built only when ERFA is installed.
if [[ -x "$BENCH_BUILD_DIR/bench/astro_bench" ]]; then
    "$BENCH_BUILD_DIR/bench/astro_bench" "$@"
fi
