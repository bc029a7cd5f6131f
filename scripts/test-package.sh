#!/usr/bin/env bash
# Builds the Debian package and checks it: its contents, the metadata validators, the manual pages, the bash
# completion and lintian; then installs it with apt-get into a clean Debian made by debootstrap (cached in
# build-package/) and runs both programs there. The clean install is skipped, with a message, where it cannot run:
# without root, without debootstrap, or without the Debian mirror. Exits non-zero when a check fails.
set -euo pipefail
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

deb=$("$ROOT/scripts/package.sh")
echo "package: $deb"
work=$(mktemp -d)
cleanup()
{
    if [[ -n ${chroot_dir:-} ]]; then
        umount "$chroot_dir/proc" 2>/dev/null || true
        rm -rf "$chroot_dir"
    fi
    rm -rf "$work"
}
trap cleanup EXIT
fail()
{
    echo "test-package: $*" >&2
    exit 1
}

echo "== Contents"
dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' | grep -v '/$' | sort >"$work/contents"
expected=(
    /usr/bin/bazi
    /usr/bin/chengshu-bazi
    /usr/share/applications/chengshu-bazi.desktop
    /usr/share/bash-completion/completions/bazi
    /usr/share/doc/chengshu-bazi/PLACES-SOURCES.md
    /usr/share/doc/chengshu-bazi/README.md
    /usr/share/doc/chengshu-bazi/changelog.gz
    /usr/share/doc/chengshu-bazi/copyright
    /usr/share/icons/hicolor/scalable/apps/chengshu-bazi.svg
    /usr/share/man/man1/bazi.1.gz
    /usr/share/man/man1/chengshu-bazi.1.gz
    /usr/share/metainfo/org.chengshu.bazi.metainfo.xml
)
for size in 16 24 32 48 64 128 256; do
    expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/chengshu-bazi.png")
done
printf '%s\n' "${expected[@]}" | sort >"$work/expected"
diff -u "$work/expected" "$work/contents" || fail "the package's files differ from the list above"
version=$(dpkg-deb -f "$deb" Version)
"$ROOT/$PACKAGE_BUILD_DIR/bazi" --version | grep -qx "bazi $version" || fail "bazi --version is not $version"
grep -q "<release version=\"$version\"" "$ROOT/packaging/org.chengshu.bazi.metainfo.xml" ||
    fail "the metainfo has no release $version"
head -1 "$ROOT/packaging/changelog" | grep -qF "($version)" || fail "the changelog does not start with $version"
dpkg-deb -f "$deb" Depends | grep -q 'fonts-noto-cjk' || fail "the chart's font is not a dependency"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "dpkg-shlibdeps named no Qt library"

echo "== Metadata and manual pages"
dpkg-deb -x "$deb" "$work/root"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/org.chengshu.bazi.metainfo.xml"
desktop-file-validate "$work/root/usr/share/applications/chengshu-bazi.desktop"
for page in bazi chengshu-bazi; do
    warnings=$(MANWIDTH=80 man --warnings -l "$work/root/usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
    [[ -z $warnings ]] || fail "man $page: $warnings"
    zcat "$work/root/usr/share/man/man1/$page.1.gz" | head -1 | grep -qF "$page $version" ||
        zcat "$work/root/usr/share/man/man1/$page.1.gz" | head -1 | grep -qF "chengshu-bazi $version" ||
        fail "man $page does not name version $version"
done
grep -q 'CC-BY-4.0' "$work/root/usr/share/doc/chengshu-bazi/copyright" || fail "the place table's licence is missing"

echo "== Bash completion"
# complete WORDS...: the candidates the completion offers for the last word.
complete_words()
{
    PATH="$work/root/usr/bin:$PATH" bash -c '
        source "$1"; shift
        COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1))
        _bazi; printf "%s\n" "${COMPREPLY[@]}"' _ "$work/root/usr/share/bash-completion/completions/bazi" "$@"
}
expect_offer()
{
    local want=$1
    shift
    complete_words "$@" | grep -qx -- "$want" || fail "completing '$*' does not offer '$want'"
}
expect_offer chart bazi ch
expect_offer --stars bazi chart --st
expect_offer --late-zi bazi pillars --la
expect_offer astro bazi chart --terms ""
expect_offer next-day bazi chart --late-zi n
expect_offer true bazi pillars --solar-time t
expect_offer 女 bazi chart --sex ""
expect_offer 喀什 bazi chart --place 喀
expect_offer Asia/ bazi chart --tz Asi

echo "== lintian"
lintian_out=$(lintian "$deb" 2>&1 | grep -v 'running with root privileges' || true)
echo "${lintian_out:-no tags}"
if grep -q '^E:' <<<"$lintian_out"; then
    fail "lintian reports errors"
fi

echo "== Clean install"
if [[ $(id -u) -ne 0 ]]; then
    echo "skipped: installing into a clean Debian needs root (debootstrap and chroot)"
    exit 0
fi
if ! command -v debootstrap >/dev/null; then
    echo "skipped: debootstrap is not installed"
    exit 0
fi
mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}
base="$ROOT/$PACKAGE_BUILD_DIR/debian-base.tar.gz"
if [[ ! -f $base ]]; then
    if ! debootstrap --variant=minbase --make-tarball="$base.partial" bookworm "$work/tarball" "$mirror" \
        >"$work/debootstrap.log" 2>&1; then
        tail -5 "$work/debootstrap.log"
        echo "skipped: debootstrap could not fetch Debian from $mirror"
        rm -f "$base.partial"
        exit 0
    fi
    mv "$base.partial" "$base"
fi
chroot_dir="$ROOT/$PACKAGE_BUILD_DIR/clean-root"
rm -rf "$chroot_dir"
debootstrap --variant=minbase --unpack-tarball="$base" bookworm "$chroot_dir" "$mirror" >"$work/unpack.log" 2>&1 ||
    { tail -20 "$work/unpack.log"; fail "debootstrap could not make the clean Debian from its cached archives"; }
cp /etc/resolv.conf "$chroot_dir/etc/resolv.conf"
mount -t proc proc "$chroot_dir/proc"
cp "$deb" "$chroot_dir/tmp/"
in_root()
{
    chroot "$chroot_dir" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"
}
in_root apt-get update -qq >/dev/null
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    "/tmp/$(basename "$deb")" >"$work/install.log" 2>&1 || { tail -20 "$work/install.log"; fail "apt-get install failed"; }
answer=$(in_root bazi lunar 1984-02-02)
[[ $answer == "农历甲子年(鼠)正月初一" ]] || fail "bazi lunar 1984-02-02 answered '$answer'"
in_root chengshu-bazi --export /tmp/chart.png --name 张三 --sex 男 --date 1984-02-05 --time 08:00 \
    >"$work/export.log" 2>&1 || { cat "$work/export.log"; fail "chengshu-bazi --export failed"; }
[[ -s $chroot_dir/tmp/chart.png ]] || fail "chengshu-bazi --export wrote no picture"
# The window opens (and closes at its first show), run as root: its records go to root's folder, never to /usr/bin.
in_root env QT_QPA_PLATFORM=offscreen CHENGSHU_MEASURE_STARTUP=1 chengshu-bazi >"$work/start.log" 2>&1 ||
    { cat "$work/start.log"; fail "chengshu-bazi did not start"; }
[[ ! -e $chroot_dir/usr/bin/data ]] || fail "the installed program made /usr/bin/data"
[[ -d $chroot_dir/root/.local/share/chengshu-bazi/data ]] || fail "no records folder under root's home"
in_root man -w bazi >/dev/null 2>&1 || echo "(man is not in the minimal system; the page is installed)"
echo "installed in a clean Debian: bazi answers, chengshu-bazi exports offscreen, the window keeps records per user"
