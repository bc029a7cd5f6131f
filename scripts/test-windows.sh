#!/usr/bin/env bash
# Cross-builds the engine, the models, bazi.exe and their tests for Windows (scripts/cross-windows.sh), runs the
# tests under Wine, and compares bazi.exe's answers with the Linux build's byte for byte: every date of the lunar
# table, a large sample of pillars, a calendar month, charts with Chinese arguments and charts in batches. Skips
# with a message when mingw-w64 or Wine is missing. Needs the Linux build's bazi (BUILD_DIR).
set -euo pipefail
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

wine=$(command -v wine64 || ls /usr/lib/wine/wine64 2>/dev/null || true)
if ! command -v x86_64-w64-mingw32-g++-posix >/dev/null || [[ -z $wine ]]; then
    echo "skipped: the Windows build needs mingw-w64 (g++-mingw-w64-x86-64-posix) and Wine (wine64)"
    exit 0
fi
WINDOWS_BUILD_DIR=${WINDOWS_BUILD_DIR:-build-windows}
export WINDOWS_BUILD_DIR WINEDEBUG=-all WINEPREFIX=${WINEPREFIX:-$ROOT/$WINDOWS_BUILD_DIR/wine-prefix}
# Once: a headless prefix inside the build folder. Wine makes the prefix but not the folders above it.
if [[ ! -d $WINEPREFIX ]]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    bootlog="$(dirname "$WINEPREFIX")/wineboot.log"
    "$wine" wineboot -i >"$bootlog" 2>&1 || { echo "test-windows: wineboot failed:" >&2; cat "$bootlog" >&2; exit 1; }
fi
# One Wine server for every test and run, instead of one started and stopped for each.
wineserver=$(command -v wineserver || ls /usr/lib/wine/wineserver64 2>/dev/null || true)
[[ -n $wineserver ]] && { "$wineserver" -p 60 2>/dev/null || true; } # already running for this prefix: fine

exe=$("$ROOT/scripts/cross-windows.sh")
linux="$ROOT/$BUILD_DIR/bazi"
[[ -x $linux ]] || { echo "test-windows: build the Linux bazi first ($linux)" >&2; exit 1; }

echo "== Windows tests under Wine ($WINDOWS_BUILD_DIR)"
# Each test program once, all its tests in one process: starting Wine per test would take minutes.
for tests in engine_tests model_tests cli_tests; do
    "$wine" "$ROOT/$WINDOWS_BUILD_DIR/tests/$tests.exe" --gtest_brief=1 | tr -d '\r' | tail -3
    [[ ${PIPESTATUS[0]} -eq 0 ]] || { echo "test-windows: $tests.exe failed under Wine" >&2; exit 1; }
done

echo "== bazi.exe against the Linux build"
work=$(mktemp -d)
trap 'rm -rf "$work"; [[ -n $wineserver ]] && "$wineserver" -k 2>/dev/null; true' EXIT
failed=0
# same NAME INPUT ARGS...: both builds answer ARGS with INPUT on standard input, and the bytes must be equal.
same()
{
    local name=$1 input=$2
    shift 2
    "$linux" "$@" <"$input" >"$work/$name.linux" 2>&1 || true
    "$wine" "$exe" "$@" <"$input" >"$work/$name.windows" 2>&1 || true
    if cmp -s "$work/$name.linux" "$work/$name.windows"; then
        echo "same: $name ($(wc -l <"$work/$name.linux") lines)"
    else
        echo "differs: $name" >&2
        diff "$work/$name.linux" "$work/$name.windows" | head -5 >&2
        failed=1
    fi
}
# Every day of the lunar table, 1900-01-31 to 2101-01-28: 73,411 days.
seq 0 73410 | sed 's/.*/1900-01-31 + & days/' | date -f - +%F >"$work/dates"
# Every third day at a changing hour and minute, the same days with CR LF, and lunar dates back.
awk 'NR % 3 == 0 { printf "%s %02d:%02d:00\n", $0, NR % 24, (NR * 7) % 60 }' "$work/dates" >"$work/moments"
sed 's/$/\r/' "$work/moments" >"$work/moments-crlf"
: >"$work/none"
same lunar "$work/dates" lunar -
same lunar-json "$work/dates" lunar --json -
same pillars "$work/moments" pillars -
same pillars-crlf "$work/moments-crlf" pillars -
same terms "$work/none" terms 1900 1984 2024 2100
same month "$work/none" month 2024 2
same chart "$work/none" chart --name 张三 --sex 男 --date 1984-02-05 --time 08:00
same chart-stars "$work/none" chart --name 欧阳修 --sex 女 --date 2023-02-15 --lunar --leap --time 23:40 --stars \
    --layout 横排 --crlf
same chart-longitude "$work/none" chart --name 王五 --sex 男 --date 1990-05-12 --time 08:30 --longitude 75.99 \
    --solar-time mean --json
same places "$work/none" places 喀什 wlmq
printf '%s\n' '{"name":"张三","sex":"男","date":"1984-02-05","time":"08:00","stars":true}' 'bad' \
    '{"name":"李四","sex":"女","date":"2000-12-31","time":"23:59"}' >"$work/batch"
same batch "$work/batch" chart - --json
same batch-text "$work/batch" chart -
same bad-sex "$work/none" chart --name 张三 --sex 中 --date 1984-02-05 --time 08:00
# A record file under a Chinese name, in GB18030 with CR LF as the desktop program stores it; named relative to the
# working folder, so that both builds print the same name.
cd "$work"
"$linux" chart --name 欧阳修 --sex 女 --date 1990-01-15 --time 00:20 --longitude 75.99 --solar-time mean --stars --crlf |
    iconv -f UTF-8 -t GB18030 >欧阳修.txt
same record "$work/none" record 欧阳修.txt
exit "$failed"
