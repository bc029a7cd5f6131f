#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz with clang and runs each for SECONDS (default 60) on a copy of its seed
# corpus, with the dictionary. Exits non-zero when a target fails to build, crashes or breaks the property it checks;
# the input that did it is kept in the build folder's artifacts/. Usage: scripts/fuzz.sh [SECONDS]
set -euo pipefail
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

seconds=${1:-60}
FUZZ_BUILD_DIR=${FUZZ_BUILD_DIR:-build-fuzz}
targets=(fuzz_datetime fuzz_lunar fuzz_landpp fuzz_lookup fuzz_records fuzz_cli)

CC=clang CXX=clang++ cmake -S "$ROOT" -B "$FUZZ_BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLANDPP_BUILD_FUZZ=ON \
    -DLANDPP_BUILD_TESTS=OFF -DLANDPP_BUILD_GUI=OFF >/dev/null
cmake --build "$FUZZ_BUILD_DIR" -j "$JOBS" --target "${targets[@]}"

# The runs add what they find to a copy: the committed seeds stay as they are.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
artifacts="$FUZZ_BUILD_DIR/artifacts"
mkdir -p "$artifacts"
failed=()
for target in "${targets[@]}"; do
    cp -r "$ROOT/tests/fuzz/corpus/$target" "$work/$target"
    log="$work/$target.log"
    status=0
    "$FUZZ_BUILD_DIR/tests/fuzz/$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -dict="$ROOT/tests/fuzz/bazi.dict" -artifact_prefix="$artifacts/$target-" "$work/$target" >"$log" 2>&1 ||
        status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "$target: ${runs:-?} executions in ${seconds} s, corpus $(find "$work/$target" -type f | wc -l) inputs"
    if [[ $status -ne 0 ]]; then
        failed+=("$target")
        tail -n 40 "$log"
    fi
done

if [[ ${#failed[@]} -ne 0 ]]; then
    echo "fuzz: ${failed[*]} failed; the inputs are in $artifacts" >&2
    exit 1
fi
echo "fuzz: ${#targets[@]} targets ran without a crash or a broken property"
