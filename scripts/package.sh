#!/usr/bin/env bash
# Builds the Debian package chengshu-bazi_VERSION_ARCH.deb with CPack in build-package/ and prints its path: the
# desktop program, bazi, the desktop entry, icons, metainfo, manual pages, bash completion and documents.
set -euo pipefail
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

"$ROOT/scripts/setup-deps.sh"
# Debian's hardening flags (fortified functions, full RELRO with immediate binding), as a Debian build would set.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
LDFLAGS=$(dpkg-buildflags --get LDFLAGS)
export CXXFLAGS LDFLAGS
cmake -S "$ROOT" -B "$PACKAGE_BUILD_DIR" -DCMAKE_BUILD_TYPE=Release -DLANDPP_BUILD_TESTS=OFF \
    -DCMAKE_INSTALL_PREFIX=/usr -DLANDPP_RECORDS_BESIDE_PROGRAM=OFF >&2
cmake --build "$PACKAGE_BUILD_DIR" -j "$JOBS" >&2
rm -f "$PACKAGE_BUILD_DIR"/chengshu-bazi_*.deb
(cd "$PACKAGE_BUILD_DIR" && cpack -G DEB >&2)
ls "$ROOT/$PACKAGE_BUILD_DIR"/chengshu-bazi_*.deb
