#!/usr/bin/env bash
# Installs what is missing, then builds and runs the tests twice: all of them in Release, and the Qt-free ones
# (engine, models, command-line tool) again in a Debug build under AddressSanitizer and UndefinedBehaviorSanitizer.
# Exits non-zero when anything fails to build or any test fails.
set -euo pipefail
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

"$ROOT/scripts/setup-deps.sh"

echo "== Layers and layout"
"$ROOT/scripts/check-layers.sh"

echo "== Release build and tests ($BUILD_DIR)"
configure_release
cmake --build "$BUILD_DIR" -j "$JOBS"
ctest --test-dir "$BUILD_DIR" --output-on-failure --no-tests=error -j "$JOBS"

echo "== Sanitizer build and Qt-free tests ($ASAN_BUILD_DIR)"
# The desktop program stays out of this build: only the Qt-free tests run here.
cmake -S "$ROOT" -B "$ASAN_BUILD_DIR" -DCMAKE_BUILD_TYPE=Debug -DLANDPP_SANITIZE=ON -DLANDPP_BUILD_TESTS=ON \
    -DLANDPP_BUILD_GUI=OFF
cmake --build "$ASAN_BUILD_DIR" -j "$JOBS"

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:detect_stack_use_after_return=1:strict_string_checks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
ctest --test-dir "$ASAN_BUILD_DIR" --output-on-failure --no-tests=error -j "$JOBS"

echo "== Windows build under Wine (build-windows)"
"$ROOT/scripts/test-windows.sh"

echo "== Debian package ($PACKAGE_BUILD_DIR)"
"$ROOT/scripts/test-package.sh"

# The fuzz targets, a few seconds each: they need clang.
if command -v clang++ >/dev/null; then
    echo "== Fuzz targets, 5 s each (build-fuzz)"
    "$ROOT/scripts/fuzz.sh" 5
else
    echo "== Fuzz targets skipped: clang++ is not installed"
fi
