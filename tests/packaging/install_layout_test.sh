#!/usr/bin/env bash
# Installs the build into a scratch root with prefix /usr, as the Debian
# package does, and checks where every file lands and that the desktop entry,
# the metainfo and the project version agree with each other.
# Usage: install_layout_test.sh BUILD_DIR APP_ID VERSION
set -uo pipefail
build_dir=$1 app_id=$2 version=$3

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

if ! DESTDIR="$root" cmake --install "$build_dir" --prefix /usr >"$root.log" 2>&1; then
    cat "$root.log"; rm -f "$root.log"
    echo "FAIL: cmake --install"; exit 1
fi
rm -f "$root.log"

desktop=usr/share/applications/$app_id.desktop
metainfo=usr/share/metainfo/$app_id.metainfo.xml

passed=0 failed=0
check() {  # check DESCRIPTION COMMAND...
    local what=$1; shift
    if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAIL: $what"; fi
}
desktop_key() { sed -n "s/^$1=//p" "$root/$desktop"; }
metainfo_value() { sed -n "s:.*<$1[^>]*>\(.*\)</$1>.*:\1:p" "$root/$metainfo" | head -n 1; }
newest_release() { sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$root/$metainfo" | head -n 1; }

# What lands where: one row per installed file.
installed_files=(
    "usr/bin/stereometry|executable"
    "$desktop|file"
    "$metainfo|file"
    "usr/share/doc/stereometry/copyright|file"
)
for row in "${installed_files[@]}"; do
    path=${row%%|*} kind=${row##*|}
    if [ "$kind" = executable ]; then
        check "$path is an executable" test -x "$root/$path"
    else
        check "$path is installed" test -s "$root/$path"
    fi
done

# How the pieces refer to each other: one row per link, "what|found|expected".
links=(
    "desktop Exec names the installed program|$(desktop_key Exec)|stereometry"
    "metainfo id is the application id|$(metainfo_value id)|$app_id"
    "metainfo launchable is the desktop entry|$(metainfo_value launchable)|$app_id.desktop"
    "metainfo provides the installed program|$(metainfo_value binary)|stereometry"
    "newest metainfo release is the project version|$(newest_release)|$version"
    "Bulgarian name is the window caption|$(desktop_key 'Name\[bg\]')|лица на повърхнини и обеми"
)
for row in "${links[@]}"; do
    IFS='|' read -r what found expected <<<"$row"
    check "$what (found '$found', expected '$expected')" test "$found" = "$expected"
done

# The installed tree as a software centre sees it.
check "appstreamcli validate-tree" appstreamcli validate-tree --no-net "$root"

echo "installed tree checks: $((passed + failed)) run, $failed failed"
[ "$failed" -eq 0 ]
