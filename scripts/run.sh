#!/usr/bin/env bash
# Installs what is missing, builds in Release and starts the program. With arguments it runs the command-line tool
# instead: ./scripts/run.sh lunar 2023-03-22
set -euo pipefail
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

"$ROOT/scripts/setup-deps.sh"
configure_release >/dev/null
if [[ $# -gt 0 ]]; then
    cmake --build "$BUILD_DIR" -j "$JOBS" --target bazi
    exec "$BUILD_DIR/bazi" "$@"
fi
cmake --build "$BUILD_DIR" -j "$JOBS" --target chengshu-bazi
exec "$BUILD_DIR/app/chengshu-bazi"
