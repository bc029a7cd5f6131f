#!/usr/bin/env bash
# Installs the Debian packages the build needs, and only those that are missing. Runs as root or through sudo.
set -euo pipefail

# One package a line; add the next dependency here.
packages=(
    build-essential  # g++ 12 and make
    cmake            # 3.25 on Debian 12
    libgtest-dev     # GoogleTest, for the tests
    libbenchmark-dev # Google Benchmark, for bench/
    liberfa-dev      # ERFA (IAU SOFA routines), for astro/
    libhowardhinnant-date-dev # the date library's tz part, for zones/
    tzdata           # the system tz database that zones/ reads
    nlohmann-json3-dev # JSON for the request lines of `bazi chart -`
    libicu-dev       # ICU's GB18030 converter, the one Qt writes record files with, for reading them without Qt
    qt6-base-dev     # Qt 6 Widgets, for the windows
    qt6-translations-l10n # Qt's own texts (buttons, file dialogs) in Chinese
    poppler-utils    # pdftotext, which reads the exported PDF back in the tests
    clang-format     # the layout check of the test command
    clang            # the fuzz targets (libFuzzer) of the test command
    libclang-rt-14-dev # libFuzzer and the sanitizers' runtime for clang
    dpkg-dev         # dpkg-shlibdeps, which names the package's library dependencies
    lintian          # the package checks of the test command
    appstream        # appstreamcli, which validates the metainfo
    desktop-file-utils # desktop-file-validate
    man-db           # man, which renders the manual pages in the package checks
    debootstrap      # a clean Debian in which the package test installs the package
    g++-mingw-w64-x86-64-posix # the Windows cross build of the engine, the models and bazi.exe
    wine64           # runs the Windows build's tests and bazi.exe
    fonts-noto-cjk   # a fixed-pitch CJK font in which the chart's columns line up; serif and sans for the drawn chart
)

missing=()
for pkg in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$pkg")
    fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
if [[ $(id -u) -ne 0 ]]; then
    if ! command -v sudo >/dev/null; then
        echo "setup-deps: missing packages (${missing[*]}); run as root or install sudo" >&2
        exit 1
    fi
    sudo=(sudo)
fi

echo "setup-deps: installing ${missing[*]}"
"${sudo[@]}" apt-get update
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
