#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package from a finished build, checks it with lintian and
# checks its dependencies, installs it (with apt-get as root, else unpacked
# into a scratch root), starts the installed program headless and on a virtual
# X display, and removes the package again.
# Usage: tests/packaging/deb_test.sh [BUILD_DIR]   (default: $BUILD_DIR or build)
set -euo pipefail
cd "$(dirname "$0")/../.."
build_dir=$(cd "${1:-${BUILD_DIR:-build}}" && pwd)
package=stereometry
app_id=bg.lica_i_obemi.stereometry

passed=0 failed=0
check() {  # check DESCRIPTION COMMAND...
    local what=$1; shift
    if "$@"; then passed=$((passed + 1)); echo "ok: $what"
    else failed=$((failed + 1)); echo "FAIL: $what"; fi
}

echo "== building the package"
cmake --build "$build_dir" --target stereometry
rm -f "$build_dir"/${package}_*.deb
(cd "$build_dir" && cpack -G DEB >/dev/null)
debs=("$build_dir"/${package}_*.deb)
[ -f "${debs[0]}" ] || { echo "FAIL: cpack made no ${package}_*.deb"; exit 1; }
deb=${debs[0]}
echo "built $(basename "$deb")"

# Debian's own checks: any error or warning fails. Info tags are not expected
# either; packaging/Packaging.cmake says why if one is left.
echo "== lintian --pedantic"
lintian_report=$(lintian --pedantic --display-level '>=pedantic' "$deb" 2>&1 | grep -v '^running with root privileges' || true)
[ -z "$lintian_report" ] || echo "$lintian_report"
check "lintian reports no error or warning" test -z "$(grep -E '^[EW]: ' <<<"$lintian_report")"

# Each of these must be pulled in by apt-get on a fresh system, each once.
# The X11 platform plugin comes with libqt6gui6; qt6-qpa-plugins holds others.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
required_depends=(fonts-wine fonts-liberation fonts-dejavu-core libqt6svg6 libqt6widgets6 libqt6gui6 libqt6core6 libc6)
for dep in "${required_depends[@]}"; do
    check "Depends names $dep" grep -Eq "(^|, )$dep( |,|$)" <<<"$depends"
done
check "Depends does not name qt6-qpa-plugins" test -z "$(grep -E '(^|, )qt6-qpa-plugins( |,|$)' <<<"$depends")"
repeated=$(sed 's/, /\n/g' <<<"$depends" | sed 's/ .*//' | sort | uniq -d | tr '\n' ' ')
check "Depends names no package twice (${repeated:-none})" test -z "$repeated"
changelog_version=$(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/$package/changelog.Debian.gz \
    | zcat | sed -n '1s/^[^ ]* (\([^)]*\)).*/\1/p')
check "Version is the Debian changelog's ($changelog_version)" \
    test "$(dpkg-deb -f "$deb" Version)" = "$changelog_version"
check "Section is education" test "$(dpkg-deb -f "$deb" Section)" = education
check "Package is $package" test "$(dpkg-deb -f "$deb" Package)" = "$package"

# Install into the machine as root; otherwise unpack into a scratch root.
scratch=$(mktemp -d)
was_installed=no
if [ "$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null)" = "install ok installed" ]; then
    was_installed=yes
fi
cleanup() {
    if [ "$(id -u)" -eq 0 ] && [ "$was_installed" = no ]; then
        echo "== removing the package"
        DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq "$package" >/dev/null || true
    fi
    rm -rf "$scratch"
}
trap cleanup EXIT

if [ "$(id -u)" -eq 0 ]; then
    echo "== apt-get install $(basename "$deb")"
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null
    root=
else
    echo "== unpacking into $scratch (not root)"
    dpkg-deb -x "$deb" "$scratch"
    root=$scratch
fi

installed_files=(
    /usr/bin/stereometry
    /usr/share/applications/$app_id.desktop
    /usr/share/applications/$app_id.problems.desktop
    /usr/share/metainfo/$app_id.metainfo.xml
    /usr/share/icons/hicolor/scalable/apps/$app_id.svg
    /usr/share/icons/hicolor/16x16/apps/$app_id.png
    /usr/share/icons/hicolor/256x256/apps/$app_id.png
    /usr/share/man/man1/stereometry.1.gz
    /usr/bin/stereometry-solve
    /usr/share/man/man1/stereometry-solve.1.gz
)
for f in "${installed_files[@]}"; do
    check "installed $f" test -e "$root$f"
done

# The program has no command line and runs until its window is closed:
# still running after 3 s (timeout's status 124) means it started and
# showed its window; any other status is a crash or an early exit.
echo "== starting $root/usr/bin/stereometry"
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$root/usr/bin/stereometry" || status=$?
check "installed program keeps running (status $status, 124 expected)" test "$status" -eq 124
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$root/usr/bin/stereometry" --problems cone r=3 h=4 || status=$?
check "installed program keeps its problems window open (status $status, 124 expected)" test "$status" -eq 124
# The icon as a desktop looks it up: by its name in the hicolor theme
# (pyxdg's implementation of the icon theme lookup).
for size in 16 48; do
    found=$(XDG_DATA_DIRS="${root:+$root/usr/share:}/usr/share" /usr/bin/python3 -c \
        'import sys; from xdg import IconTheme; print(IconTheme.getIconPath(sys.argv[1], int(sys.argv[2]), "hicolor"))' \
        "$app_id" "$size")
    check "the hicolor theme finds the icon by its name at $size px ($found)" \
        test "$found" = "$root/usr/share/icons/hicolor/${size}x$size/apps/$app_id.png"
done
if [ -z "$root" ]; then
    check "man finds the manual page by name" test "$(man -w stereometry)" = /usr/share/man/man1/stereometry.1.gz
fi

# On a real (virtual) X display: the window's class is the application id, so
# docks match it to the menu entry, and it carries the icon.
echo "== starting it on Xvfb"
x_display=$(mktemp -d)
source scripts/virtual_display.sh
start_virtual_display 1024x768 "$x_display"
xvfb=$VIRTUAL_DISPLAY_PID
# window_class TITLE ARGUMENTS...: starts the installed program, finds its
# window by its title and prints its WM_CLASS, then the icon sizes it carries.
window_class() {
    local title=$1 window= program
    shift
    env -u QT_QPA_PLATFORM "$root/usr/bin/stereometry" "$@" >/dev/null 2>&1 &
    program=$!
    # Up to 30 s: on a busy machine a start can take a while.
    for _ in $(seq 300); do
        window=$(xwininfo -root -children 2>/dev/null | awk -v t="\"$title\"" 'index($0, t) {print $1; exit}')
        [ -n "$window" ] && break
        kill -0 "$program" 2>/dev/null || break
        sleep 0.1
    done
    if [ -n "$window" ]; then
        xprop -id "$window" WM_CLASS
        # The icon comes as soon as the window is on the screen, a moment after it.
        for _ in $(seq 50); do
            xprop -id "$window" _NET_WM_ICON 2>/dev/null | grep -q 'Icon (' && break
            sleep 0.1
        done
        xprop -id "$window" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' ' || true
    else
        # Why not, for whoever reads the log.
        kill -0 "$program" 2>/dev/null && echo "no window \"$title\" yet; the program runs" >&2 ||
            echo "no window \"$title\": the program ended" >&2
        xwininfo -root -children >&2 2>/dev/null || true
    fi
    kill "$program" 2>/dev/null || true
    wait "$program" 2>/dev/null || true
}
calculator=$(window_class "лица на повърхнини и обеми")
problems=$(window_class "Задачи по стереометрия" --problems)
kill "$xvfb" 2>/dev/null || true
wait "$xvfb" 2>/dev/null || true
rm -rf "$x_display"
wm_class=$(head -n 1 <<<"$calculator")
icon_sizes=$(tail -n +2 <<<"$calculator")
check "the window's WM_CLASS is the application id ($wm_class)" \
    test "$wm_class" = "WM_CLASS(STRING) = \"stereometry\", \"$app_id\""
check "the window carries its icon, 16 px among others ($icon_sizes)" grep -q "Icon (16 x 16)" <<<"$icon_sizes"
problems_class=$(head -n 1 <<<"$problems")
check "the problems window's WM_CLASS is its entry's id ($problems_class)" \
    test "$problems_class" = "WM_CLASS(STRING) = \"stereometry\", \"$app_id.problems\""
check "the problems window carries the icon ($(tail -n +2 <<<"$problems"))" grep -q "Icon (16 x 16)" <<<"$problems"

echo "package checks: $((passed + failed)) run, $failed failed"
[ "$failed" -eq 0 ]
