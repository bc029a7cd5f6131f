#!/usr/bin/env bash
# Installs what is missing, builds in Release and runs the command-line tool: with no arguments a sample chart's
# four pillars, otherwise `bazi` with the arguments given (./scripts/run.sh lunar 2023-03-22).
set -euo pipefail
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

"$ROOT/scripts/setup-deps.sh"
configure_release >/dev/null
cmake --build "$BUILD_DIR" -j "$JOBS" --target bazi

if [[ $# -eq 0 ]]; then
    set -- pillars "1984-02-05 08:00:00"
fi
exec "$BUILD_DIR/bazi" "$@"
