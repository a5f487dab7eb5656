#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the web edition into one folder of static files that any web server
# can host: the page written from the window description, the core as
# WebAssembly, the problems page (zadachi.html) and the worksheet page
# (listove.html) with the task solver's module,
# the pictures, the fonts for systems without the window's face,
# the manifest, the icons, the guide (guide.html) and the service worker that
# keeps it all offline.
#
#   scripts/web_build.sh            into ${WASM_BUILD_DIR:-${BUILD_DIR:-build}-wasm}/site
#
# Expects the packages of scripts/setup.sh with the web ones (run.sh --web and
# test.sh install them) and a configured native build in ${BUILD_DIR:-build}.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${BUILD_DIR:-build}
wasm_dir=${WASM_BUILD_DIR:-$build_dir-wasm}
site=$wasm_dir/site

# The page generator, native and without Qt; the modules, with Emscripten.
cmake --build "$build_dir" --target stereometry_page
WASM_BUILD_DIR="$wasm_dir" scripts/wasm_build.sh --target stereometry_web stereometry_problems
generator=$build_dir/web/stereometry_page

rm -rf "$site.new"
mkdir -p "$site.new/pictures" "$site.new/icons" "$site.new/fonts"
# The page's script, inlined at its end: the core (its module inside), then
# the page's own code that starts it.
cat "$wasm_dir/web/core.js" web/drawings.js web/page.js >"$wasm_dir/web/calculator.js"
"$generator" index "$site.new/index.html" "$wasm_dir/web/calculator.js"
# The problems page: the solver's loader and web/problems.js at its end, the
# module beside it; the same loader and module in a worker, solver-worker.js,
# which gives the problems page its first answer and the calculator's page the
# figure of a panel's solid under its solution.
cat "$wasm_dir/web/solver.js" web/solver_start.js web/drawings.js web/problems.js >"$wasm_dir/web/problems.js"
"$generator" problems "$site.new/zadachi.html" "$wasm_dir/web/problems.js"
cp "$wasm_dir/web/solver.wasm" "$site.new/"
cat "$wasm_dir/web/solver.js" web/solver_start.js web/solver_worker.js >"$site.new/solver-worker.js"
# The worksheet page: web/sheet.js at its end; the same loader and module in
# its worker, sheet-worker.js.
"$generator" sheet "$site.new/listove.html" web/sheet.js
cat "$wasm_dir/web/solver.js" web/sheet_worker.js >"$site.new/sheet-worker.js"
"$generator" manifest "$site.new/manifest.webmanifest"
cp resources/pictures/*.svg "$site.new/pictures/"

icons=resources/icons/hicolor
app_id=bg.lica_i_obemi.stereometry
cp "$icons/192x192/apps/$app_id.png" "$site.new/icons/icon-192.png"
cp "$icons/512x512/apps/$app_id.png" "$site.new/icons/icon-512.png"
cp "$icons/scalable/apps/$app_id.svg" "$site.new/icons/icon.svg"

# The guide, a page of its own beside the calculator, its pictures in guide/.
/usr/bin/python3 web/guide.py docs/rakovodstvo.md "$site.new"

# Liberation Sans, subset and renamed, with its licence beside it.
/usr/bin/python3 web/fonts.py "$site.new/fonts" \
    "$("$generator" characters standard)" "$("$generator" characters large-bold)" \
    "$("$generator" characters credit-italic)"
# DejaVu Sans, cut to every character the pages and the solver write, for
# the signs on every system; its licence beside it.
/usr/bin/python3 web/sign_fonts.py "$site.new/fonts" src web docs/rakovodstvo.md
{
    echo "The Stereometry Sans faces in this folder are made by web/fonts.py of the"
    echo "calculator's sources from Liberation Sans $(dpkg-query -W -f='${Version}' fonts-liberation)"
    echo "(Debian package fonts-liberation): cut down to the characters the page uses,"
    echo "the regular face narrowed to 92 %, renamed. Liberation Sans is licensed as follows;"
    echo "the modified faces are shared under the same licence."
    echo
    cat /usr/share/doc/fonts-liberation/copyright
    echo
    echo "------------------------------------------------------------------------------"
    echo
    cat /usr/share/common-licenses/GPL-2
} >"$site.new/fonts/LICENSE.txt"

# The service worker keeps every file, the page as "./"; its version changes
# with any of them.
files=$(cd "$site.new" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
version=$(cd "$site.new" && echo "$files" | xargs sha256sum | sha256sum | cut -c1-16)
list=$(echo "$files" | grep -vx index.html | sed 's/.*/"&"/' | paste -sd, -)
sed -e "s/@VERSION@/$version/" -e "s|@FILES@|[\"./\",$list]|" web/sw.js >"$site.new/sw.js"

rm -rf "$site"
mv "$site.new" "$site"
echo "web edition: $site ($(du -sk "$site" | cut -f1) KB, version $version)"
