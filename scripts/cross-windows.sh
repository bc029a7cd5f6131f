#!/usr/bin/env bash
# Cross-builds the engine, the models, bazi.exe and their tests for 64-bit Windows with Debian's mingw-w64, in
# build-windows/ (WINDOWS_BUILD_DIR). Without the astronomy and time-zone libraries, which have no Windows build
# here: bazi.exe refuses --terms astro, true solar time and --tz with a message.
set -euo pipefail
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

WINDOWS_BUILD_DIR=${WINDOWS_BUILD_DIR:-build-windows}
cmake -S "$ROOT" -B "$WINDOWS_BUILD_DIR" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DLANDPP_BUILD_GUI=OFF -DLANDPP_BUILD_TESTS=ON \
    -Dnlohmann_json_DIR=/usr/share/cmake/nlohmann_json >&2 # header-only: the same for every target
cmake --build "$WINDOWS_BUILD_DIR" -j "$JOBS" --target bazi engine_tests model_tests cli_tests >&2
echo "$ROOT/$WINDOWS_BUILD_DIR/bazi.exe"
