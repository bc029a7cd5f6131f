#!/usr/bin/env bash
# Writes what a bazi binary answers on a wide, fixed sample of every command (both layouts, with and without stars,
# every moment option, batches, records read back, refused words) into a folder, one file per command,
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
# Every moment option, on a sample of births: places, zones with summer time and folds, longitudes, mean and true
# solar time, astronomical terms and the 子 conventions, as text and JSON, and on the pillars and readings commands.
moment_options=(
    "--place 喀什 --solar-time true"
    "--place 哈尔滨 --solar-time mean --late-zi next-day"
    "--tz America/New_York --fold earlier"
    "--tz Asia/Shanghai --fold later --terms astro"
    "--longitude 116°28′ --solar-time true --late-zi next-stem"
    "--longitude -74.006 --solar-time mean --terms astro"
    "--terms astro"
    "--late-zi next-day"
)
head -400 "$work/births" | while read -r i date time; do
    opts=${moment_options[i % ${#moment_options[@]}]}
    # shellcheck disable=SC2086
    {
        "$bazi" chart --name "测试$i" --sex 男 --date "$date" --time "$time" $opts
        "$bazi" chart --json --name "测试$i" --sex 女 --date "$date" --time "$time" --stars $opts
        "$bazi" readings --sex 男 --date "$date" --time "$time" $opts
        echo "exit $?"
    } >>"$out/moment.txt" 2>&1
done
head -3000 "$work/moments" >"$work/some-moments"
for opts in "${moment_options[@]}"; do
    # shellcheck disable=SC2086
    "$bazi" pillars --json $opts - <"$work/some-moments" >>"$out/pillars-moment.json" 2>&1
done

# The analysis, the palaces' year and the unknown hour, as text and JSON.
head -300 "$work/births" | while read -r i date time; do
    extra=(--analysis)
    ((i % 3 == 1)) && extra+=(--layout 横排)
    ((i % 2)) && extra+=(--stars)
    ((i % 4 == 2)) && extra+=(--palace-year pillar)
    ((i % 5 == 3)) && time=unknown
    {
        "$bazi" chart --name "析$i" --sex 女 --date "$date" --time "$time" "${extra[@]}"
        "$bazi" chart --json --name "析$i" --sex 男 --date "$date" --time "$time" "${extra[@]}"
        echo "exit $?"
    } >>"$out/analysis.txt" 2>&1
done

# Charts in batches, as JSON and as text, with refused lines among them.
awk 'BEGIN { srand(31); for (i = 0; i < 2000; i++) {
        y = 1901 + int(rand() * 198); m = 1 + int(rand() * 12); d = 1 + int(rand() * 28);
        printf "{\"name\":\"批%d\",\"sex\":\"%s\",\"date\":\"%04d-%02d-%02d\",\"time\":\"%02d:%02d\"%s%s}\n", i,
            i % 2 ? "男" : "女", y, m, d, int(rand() * 24), int(rand() * 60), i % 3 ? ",\"stars\":true" : "",
            i % 7 == 0 ? ",\"layout\":\"横排\",\"lunar\":true" : "" }
    print "not json"; print "{\"name\":\"x\",\"sex\":\"男\",\"date\":\"2023-02-30\",\"time\":\"08:00\"}"
    print "{\"name\":\"x\",\"sex\":\"男\",\"date\":\"1990-05-12\",\"time\":\"08:00\",\"tz\":\"Mars/Base\"}" }' \
    >"$work/batch"
"$bazi" chart - --json <"$work/batch" >"$out/batch.json" 2>&1
echo "exit $?" >>"$out/batch.json"
"$bazi" chart - --crlf <"$work/batch" >"$out/batch.txt" 2>&1
echo "exit $?" >>"$out/batch.txt"

# Records: charts stored as the window stores them (GB18030, CR LF, the remark after 备注：), read back.
mkdir -p "$work/records"
head -200 "$work/births" | while read -r i date time; do
    opts=${moment_options[i % ${#moment_options[@]}]}
    extra=()
    ((i % 3 == 1)) && extra+=(--layout 横排)
    ((i % 2)) && extra+=(--stars)
    # shellcheck disable=SC2086
    if "$bazi" chart --crlf --name "记录$i" --sex 男 --date "$date" --time "$time" "${extra[@]}" $opts \
        >"$work/chart" 2>/dev/null; then
        printf '备注：\r\n第%d号\r\n' "$i" >>"$work/chart"
        iconv -f UTF-8 -t GB18030 "$work/chart" >"$work/records/记录$i.txt"
    fi
done
"$bazi" record "$work"/records/*.txt 2>&1 | sed "s|$work/||" >"$out/record.txt"
"$bazi" record --json "$work"/records/*.txt 2>&1 | sed "s|$work/||" >"$out/record.json"

# Refused words: each command's messages and exit status.
refused=(
    "chart --name 张三 --sex 男 --date 1990-02-30 --time 08:00"
    "chart --name 张三 --sex 男 --date 1990-05-12 --time 25:00"
    "chart --name 张三 --sex 男 --date 1990-05-12 --time 08:00 --tz Mars/Base"
    "chart --name 张三 --sex 男 --date 1990-05-12 --time 08:00 --solar-time true"
    "chart --name 张三 --sex 男 --date 2023-03-30 --time 08:00 --lunar --leap"
    "chart --name 张三 --sex 其他 --date 1990-05-12 --time 08:00"
    "chart --name 张三 --sex 男 --date 1990-05-12 --time 08:00 --layout 斜排"
    "chart --json --crlf --name 张三 --sex 男 --date 1990-05-12 --time 08:00"
    "chart --name 张三 --sex 男 --date 1986-05-04 --time 02:30 --tz Asia/Shanghai"
    "chart --name 张三 --sex 男 --date 1986-09-14 --time 01:30 --tz Asia/Shanghai"
    "chart - --name 张三"
    "pillars --tz Nowhere/Place 1990-05-12"
    "readings --sex 男 --date 1990-05-12 --time 08:00 --late-zi late"
)
for words in "${refused[@]}"; do
    echo "== $words" >>"$out/refused.txt"
    # shellcheck disable=SC2086
    "$bazi" $words >>"$out/refused.txt" 2>&1
    echo "exit $?" >>"$out/refused.txt"
done
echo "wrote $out"
