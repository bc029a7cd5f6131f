#!/usr/bin/env bash
# Checks what the compiler cannot: that includes point down the layers (engine <- models <- store <- ui <- app;
# the option reader uses models and serves the tool and the program; the tool uses options, models and engine;
# astro/ and zones/ sit beside the engine), that the engine and the models stay
# free of Qt and of the astronomy and time-zone libraries where they must, and that every source file is laid out
# as .clang-format says. Exits non-zero and names each offending line or file.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

failed=0
# forbid FOLDERS PATTERN WHY: no line of a source file under FOLDERS may match PATTERN.
forbid()
{
    local folders=$1 pattern=$2 why=$3 hits
    # shellcheck disable=SC2086
    hits=$(git ls-files -- $folders | grep -E '\.(h|cpp|inc)$' | xargs -r grep -nE "$pattern" || true)
    if [[ -n $hits ]]; then
        echo "check-layers: $why:" >&2
        echo "$hits" >&2
        failed=1
    fi
}

qt='^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q'
forbid "engine models options astro zones cli" "$qt" "Qt include below the store"
forbid "engine models options astro zones cli" '#include "(ui|store|app)/' "include of a layer above"
forbid "engine astro zones" '#include "(models|options|cli)/' "include of a layer above"
forbid "models" '#include "(options|cli)/' "models include the option reader or the tool"
forbid "options" '#include "cli/' "the option reader includes the tool"
forbid "app" '#include "cli/' "the desktop program includes the tool (it shares options/ with it)"
# The models call the engine's typed functions; the published text methods are the calculation class's interface.
forbid "models" '#include "engine/LandPP.h"|\bLandPP\b' "models use the text methods of LandPP"
forbid "store" '#include "(ui|app)/' "the store includes the windows"
forbid "engine" '#include "(astro|zones)/|#include <(erfa|date/)' "the engine depends on a library"
forbid "ui" '#include "app/' "the windows include the program"

# Layout: clang-format decides; tables are kept verbatim behind "// clang-format off".
if command -v clang-format >/dev/null; then
    files=$(git ls-files -- '*.h' '*.cpp')
    # shellcheck disable=SC2086
    if ! drift=$(clang-format --dry-run --Werror $files 2>&1); then
        echo "check-layers: files differ from .clang-format (run clang-format -i on them):" >&2
        echo "$drift" | grep -oE '^[^:]+\.(h|cpp)' | sort -u >&2
        failed=1
    fi
else
    echo "check-layers: clang-format not installed; layout not checked" >&2
fi

[[ $failed -eq 0 ]] && echo "check-layers: layers and layout are in order"
exit "$failed"
