#!/usr/bin/env bash
# Installs what is missing, builds in Release and starts the program. With arguments it runs the command-line tool
# instead: ./scripts/run.sh lunar 2023-03-22
set -euo pipefail
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

# Everything but the tool's own output goes to standard error, so the tool can feed a pipe.
"$ROOT/scripts/setup-deps.sh" >&2
configure_release >/dev/null
if [[ $# -gt 0 ]]; then
    cmake --build "$BUILD_DIR" -j "$JOBS" --target bazi >&2
    exec "$BUILD_DIR/bazi" "$@"
fi
cmake --build "$BUILD_DIR" -j "$JOBS" --target chengshu-bazi
exec "$BUILD_DIR/app/chengshu-bazi"
