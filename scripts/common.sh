# Sourced by the other scripts: repository root, build directories and the shared configure step.
# shellcheck shell=bash

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$ROOT" || exit 1

BUILD_DIR=${BUILD_DIR:-build}                 # Release: the program, the tool and the tests
ASAN_BUILD_DIR=${ASAN_BUILD_DIR:-build-asan}  # Debug with AddressSanitizer and UndefinedBehaviorSanitizer
BENCH_BUILD_DIR=${BENCH_BUILD_DIR:-build-bench}
PACKAGE_BUILD_DIR=${PACKAGE_BUILD_DIR:-build-package} # Release for /usr, without tests: the Debian package
JOBS=${JOBS:-2}

# The Release build shared by run.sh and test.sh: same options, so neither reconfigures the other's build.
configure_release()
{
    cmake -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release -DLANDPP_BUILD_TESTS=ON
}
