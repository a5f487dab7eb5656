#!/usr/bin/env bash
# Builds the Debian package from a finished build, checks its dependencies,
# installs it (with apt-get as root, else unpacked into a scratch root),
# starts the installed program headless and removes the package again.
# Usage: tests/packaging/deb_test.sh [BUILD_DIR]   (default: $BUILD_DIR or build)
set -euo pipefail
cd "$(dirname "$0")/../.."
build_dir=$(cd "${1:-${BUILD_DIR:-build}}" && pwd)
package=stereometry
app_id=bg.lica_i_obemi.Stereometry

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

# Each of these must be pulled in by apt-get on a fresh system.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
required_depends=(fonts-wine libqt6svg6 qt6-qpa-plugins libqt6widgets6 libqt6gui6 libqt6core6 libc6)
for dep in "${required_depends[@]}"; do
    check "Depends names $dep" grep -Eq "(^|, )$dep( |,|$)" <<<"$depends"
done
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
    /usr/share/metainfo/$app_id.metainfo.xml
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

echo "package checks: $((passed + failed)) run, $failed failed"
[ "$failed" -eq 0 ]
