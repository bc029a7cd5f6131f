#!/usr/bin/env bash
# Shows the main window with a chart under Xvfb and saves the screen as docs/screenshot.png.
# Usage: scripts/take-screenshot.sh BUILD_DIR [OUTPUT [SCENE_OPTION]]   (needs xvfb, xauth and imagemagick)
#   SCENE_OPTION --true-solar-time: a Kashgar birth on true solar time with its panel open (docs/true-solar-time.png);
#   --calendar or --lookup: the perpetual calendar or the reverse lookup with the astronomical terms ticked;
#   --picture: the drawn chart in the text's place. SCREEN=1366x768 (and QT_SCALE_FACTOR=2) change the screen.
set -euo pipefail
build=${1:?build directory}
out=${2:-$(dirname "$0")/../docs/screenshot.png}
cmake --build "$build" --target gui_screenshot_scene >/dev/null
mkdir -p "$(dirname "$out")"
xvfb-run -a -s "-screen 0 ${SCREEN:-960x1100}x24 -dpi 96" bash -c '
    scene=$1 out=$2 option=$3
    fifo=$(mktemp -u) && mkfifo "$fifo"
    "$scene" $option >"$fifo" 2>/dev/null & pid=$!
    read -r line <"$fifo" && [[ $line == ready ]]
    import -window root "$out"
    kill "$pid"; rm -f "$fifo"
' _ "$build/tests/gui_screenshot_scene" "$out" "${3:-}"
echo "wrote $out"
