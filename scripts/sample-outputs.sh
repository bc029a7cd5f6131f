#!/usr/bin/env bash
# Writes what a bazi binary answers on a wide, fixed sample of every command into a folder, one file per command,
# so that two builds can be compared byte for byte: a change that must not alter output is proven by
#   scripts/sample-outputs.sh OLD/bazi old && scripts/sample-outputs.sh NEW/bazi new && diff -r old new
# Usage: scripts/sample-outputs.sh BAZI OUTDIR [CHARTS]   (CHARTS: births charted one process each, default 3000)
set -uo pipefail
bazi=$(realpath "${1:?bazi binary}")
out=${2:?output folder}
charts=${3:-3000}
mkdir -p "$out"
rm -f "$out"/*.txt "$out"/*.json # the loops below append
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Every day the lunar table covers, and the same days as lunar dates back to Gregorian.
awk 'BEGIN { for (y = 1900; y <= 2101; y++) for (m = 1; m <= 12; m++) {
        n = (m == 2) ? ((y % 4 == 0 && y % 100 != 0) || y % 400 == 0 ? 29 : 28) : (m == 4 || m == 6 || m == 9 || m == 11 ? 30 : 31);
        for (d = 1; d <= n; d++) printf "%04d-%02d-%02d\n", y, m, d } }' >"$work/days"
"$bazi" lunar - <"$work/days" >"$out/lunar.txt" 2>&1
"$bazi" lunar --json - <"$work/days" >"$out/lunar.json" 2>&1
awk 'BEGIN { for (y = 1899; y <= 2101; y++) for (m = 0; m <= 13; m++) for (d = 0; d <= 31; d += 1) printf "%d-%d-%d\n", y, m, d }' \
    >"$work/lunardays"
"$bazi" solar - <"$work/lunardays" >"$out/solar.txt" 2>&1
"$bazi" solar --leap - <"$work/lunardays" >"$out/solar-leap.txt" 2>&1

# Moments: a fixed pseudo-random sample, plus every hour boundary of a few days around terms.
awk -v n=40000 'BEGIN { srand(20241208); for (i = 0; i < n; i++) {
        y = 1900 + int(rand() * 202); m = 1 + int(rand() * 12); d = 1 + int(rand() * 28);
        printf "%04d-%02d-%02d %02d:%02d:%02d\n", y, m, d, int(rand() * 24), int(rand() * 60), int(rand() * 60) } }' \
    >"$work/moments"
"$bazi" pillars - <"$work/moments" >"$out/pillars.txt" 2>&1
"$bazi" pillars --json - <"$work/moments" >"$out/pillars.json" 2>&1
seq 1899 2102 >"$work/years"
"$bazi" terms - <"$work/years" >"$out/terms.txt" 2>&1
"$bazi" terms --json - <"$work/years" >"$out/terms.json" 2>&1

# Charts, one process each: both calendars, both layouts, stars on and off, both sexes.
awk -v n="$charts" 'BEGIN { srand(77); for (i = 0; i < n; i++) {
        y = 1901 + int(rand() * 198); m = 1 + int(rand() * 12); d = 1 + int(rand() * 28);
        printf "%d %04d-%02d-%02d %02d:%02d\n", i, y, m, d, int(rand() * 24), int(rand() * 60) } }' >"$work/births"
: >"$out/chart.txt"
while read -r i date time; do
    sex=男; ((i % 2)) && sex=女
    extra=()
    ((i % 3 == 1)) && extra+=(--layout 横排)
    ((i % 4 >= 2)) && extra+=(--stars)
    if ((i % 5 == 4)); then
        extra+=(--lunar)
        ((i % 10 == 9)) && extra+=(--leap)
        date=$(echo "$date" | awk -F- '{ printf "%d-%d-%d", $1, $2, ($3 > 29 ? 29 : $3) }')
    fi
    printf '== %s %s %s %s %s\n' "$i" "$sex" "$date" "$time" "${extra[*]}" >>"$out/chart.txt"
    "$bazi" chart --name "测试$i" --sex "$sex" --date "$date" --time "$time" "${extra[@]}" >>"$out/chart.txt" 2>&1
    ((i % 50 == 0)) && "$bazi" chart --json --name "测试$i" --sex "$sex" --date "$date" --time "$time" "${extra[@]}" \
        >>"$out/chart.txt" 2>&1
    ((i % 3 == 0)) && "$bazi" readings --sex "$sex" --date "$date" --time "$time" "${extra[@]:0:0}" \
        >>"$out/readings.txt" 2>&1
done <"$work/births"

# Readings as JSON, marriage matches, identity numbers.
head -300 "$work/births" | while read -r i date time; do
    "$bazi" readings --json --sex 男 --date "$date" --time "$time" >>"$out/readings.json" 2>&1
done
awk 'BEGIN { srand(5); for (i = 0; i < 300; i++) printf "%04d-%02d-%02d %04d-%02d-%02d\n",
        1901 + int(rand() * 198), 1 + int(rand() * 12), 1 + int(rand() * 28),
        1901 + int(rand() * 198), 1 + int(rand() * 12), 1 + int(rand() * 28) }' |
    while read -r man woman; do "$bazi" match --man "$man" --woman "$woman" >>"$out/match.txt" 2>&1; done
awk 'BEGIN { srand(9); for (i = 0; i < 2000; i++) printf "%d\n", int(rand() * 1e9) }' >"$work/idnums"
"$bazi" idnum - <"$work/idnums" >"$out/idnum.txt" 2>&1

# Months 1901-2099 and a few outside.
for ((y = 1900; y <= 2100; y++)); do
    for ((m = 1; m <= 12; m++)); do
        echo "== $y $m" >>"$out/month.txt"
        "$bazi" month "$y" "$m" >>"$out/month.txt" 2>&1
    done
done
"$bazi" month --json 2024 2 >"$out/month.json" 2>&1

# Reverse lookups of the pillars of sampled moments, from several first years.
head -1500 "$out/pillars.txt" | awk 'NF == 4' | while read -r y m d h; do
    for from in 1900 1950 2000; do
        "$bazi" lookup "$y" "$m" "$d" "$h" --from "$from" >>"$out/lookup.txt" 2>&1
        echo "exit $?" >>"$out/lookup.txt"
    done
done
echo "wrote $out"
