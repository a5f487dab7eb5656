#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the build into a scratch root with prefix /usr, as the Debian
# package does, and checks where every file lands and that the desktop entry,
# the metainfo, the icons, the manual pages, the changelogs and the project
# version agree with each other, and that a software centre accepts the tree.
# Usage: install_layout_test.sh BUILD_DIR APP_ID VERSION DEBIAN_REVISION
set -uo pipefail
build_dir=$1 app_id=$2 version=$3 revision=$4

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

if ! DESTDIR="$root" cmake --install "$build_dir" --prefix /usr >"$root.log" 2>&1; then
    cat "$root.log"; rm -f "$root.log"
    echo "FAIL: cmake --install"; exit 1
fi
rm -f "$root.log"

desktop=usr/share/applications/$app_id.desktop
problems_desktop=usr/share/applications/$app_id.problems.desktop
metainfo=usr/share/metainfo/$app_id.metainfo.xml

passed=0 failed=0
check() {  # check DESCRIPTION COMMAND...
    local what=$1; shift
    if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAIL: $what"; fi
}
desktop_key() { sed -n "s/^$1=//p" "$root/${2:-$desktop}"; }
metainfo_value() { sed -n "s:.*<$1[^>]*>\(.*\)</$1>.*:\1:p" "$root/$metainfo" | head -n 1; }
newest_release() { sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$root/$metainfo" | head -n 1; }
doc=usr/share/doc/stereometry
gz_line() { zcat "$root/$1" 2>/dev/null | sed -n "$2" | head -n 1; }
icons=usr/share/icons/hicolor
png_sizes=(16 22 24 32 48 64 128 192 256 512)

# What lands where: one row per installed file.
installed_files=(
    "usr/bin/stereometry|executable"
    "usr/bin/stereometry-solve|executable"
    "$desktop|file"
    "$problems_desktop|file"
    "$metainfo|file"
    "$doc/copyright|file"
    "$doc/changelog.gz|gzip"
    "$doc/changelog.Debian.gz|gzip"
    "usr/share/man/man1/stereometry.1.gz|gzip"
    "usr/share/man/bg/man1/stereometry.1.gz|gzip"
    "usr/share/man/man1/stereometry-solve.1.gz|gzip"
    "usr/share/lintian/overrides/stereometry|file"
    "$icons/scalable/apps/$app_id.svg|file"
)
for size in "${png_sizes[@]}"; do installed_files+=("$icons/${size}x$size/apps/$app_id.png|png $size"); done
# The module the program loads when the problems window is first asked for,
# in the program's own folder under the library folder (lib or lib/<triplet>).
modules=$(find "$root/usr/lib" -path '*/stereometry/stereometry-on-demand.so' -type f 2>/dev/null | wc -l)
check "one stereometry/stereometry-on-demand.so under usr/lib (found $modules)" test "$modules" -eq 1
for row in "${installed_files[@]}"; do
    path=${row%%|*} kind=${row##*|}
    if [ "$kind" = executable ]; then
        check "$path is an executable" test -x "$root/$path"
    elif [ "$kind" = gzip ]; then
        check "$path is gzip -9n (no name, no time)" \
            grep -q "^gzip compressed data, max compression," <(file -b "$root/$path")
    elif [ "${kind% *}" = png ]; then
        size=${kind#png }
        check "$path is a $size x $size PNG" \
            grep -q "^PNG image data, $size x $size," <(file -b "$root/$path")
    else
        check "$path is installed" test -s "$root/$path"
    fi
done

# How the pieces refer to each other: one row per link, "what|found|expected".
links=(
    "desktop Exec names the installed program|$(desktop_key Exec)|stereometry"
    "metainfo id is the application id|$(metainfo_value id)|$app_id"
    "metainfo launchable is the desktop entry|$(metainfo_value launchable)|$app_id.desktop"
    "metainfo launches the problems entry too|$(grep -c "<launchable type=\"desktop-id\">$app_id.problems.desktop<" "$root/$metainfo")|1"
    "problems entry opens the problems window|$(desktop_key Exec "$problems_desktop")|stereometry --problems"
    "problems entry's Bulgarian name is its window's title|$(desktop_key 'Name\[bg\]' "$problems_desktop")|Задачи по стереометрия"
    "problems entry has the package's icon|$(desktop_key Icon "$problems_desktop")|$app_id"
    "problems entry's StartupWMClass is its own id|$(desktop_key StartupWMClass "$problems_desktop")|$app_id.problems"
    "metainfo provides the installed program|$(metainfo_value binary)|stereometry"
    "newest metainfo release is the project version|$(newest_release)|$version"
    "Bulgarian name is the window caption|$(desktop_key 'Name\[bg\]')|лица на повърхнини и обеми"
    "desktop Icon is the application id|$(desktop_key Icon)|$app_id"
    "desktop StartupWMClass is the application id|$(desktop_key StartupWMClass)|$app_id"
    "metainfo icon is the application id|$(metainfo_value icon)|$app_id"
    "newest released CHANGELOG.md entry is the project version|$(gz_line $doc/changelog.gz '/^## Unreleased/d;s/^## \([^ ]*\).*/\1/p')|$version"
    "newest Debian changelog entry is version-revision|$(gz_line $doc/changelog.Debian.gz 's/^stereometry (\([^)]*\)).*/\1/p')|$version-$revision"
    "English manual page is of the project version|$(gz_line usr/share/man/man1/stereometry.1.gz 's/^\.TH .* "stereometry \([^"]*\)".*/\1/p')|$version"
    "solver's manual page is of the project version|$(gz_line usr/share/man/man1/stereometry-solve.1.gz 's/^\.TH .* "stereometry \([^"]*\)".*/\1/p')|$version"
    "Bulgarian manual page is of the project version|$(gz_line usr/share/man/bg/man1/stereometry.1.gz 's/^\.TH .* "stereometry \([^"]*\)".*/\1/p')|$version"
)
for row in "${links[@]}"; do
    IFS='|' read -r what found expected <<<"$row"
    check "$what (found '$found', expected '$expected')" test "$found" = "$expected"
done

# The installed tree as a software centre sees it: valid, and composed into a
# catalogue with no error or warning, which needs the icon to be found by its
# name in the hicolor theme.
check "appstreamcli validate-tree --pedantic" appstreamcli validate-tree --pedantic --strict --no-net "$root"
compose_report=$(appstreamcli compose --no-net --no-color --print-report=full --prefix=/usr \
    --result-root="$root.compose" --origin=stereometry "$root" 2>&1)
compose_status=$?
rm -rf "$root.compose"
check "appstreamcli compose succeeds (status $compose_status)" test "$compose_status" -eq 0
check "appstreamcli compose reports no issue" \
    test -z "$(grep -E '^ +[EWIP]: ' <<<"$compose_report")"
[ "$failed" -eq 0 ] || echo "$compose_report"

echo "installed tree checks: $((passed + failed)) run, $failed failed"
[ "$failed" -eq 0 ]
