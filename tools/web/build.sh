#!/bin/sh
# Builds the web page into BUILD/web: the game compiled to WebAssembly with
# Debian's Emscripten, the page, the pictures and sounds, the fonts, and the
# windows' layout written by the desktop build's own exporter.
# Usage: tools/web/build.sh BUILD   (BUILD holds a configured desktop build)
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "$1" && pwd)
out="$build/web"
wasm="$build/web-wasm"
. "$root/tools/web/emscripten-env.sh"

# The desktop's layout exporter and translator of the manifest come from
# the desktop build, which builds the exporter once told to (it stays on
# there).
grep -q '^PELMORA_WEB:BOOL=ON$' "$build/CMakeCache.txt" || cmake -DPELMORA_WEB=ON "$build" >/dev/null
cmake --build "$build" --target pelmora_webexport pelmora_desktop_l10n >/dev/null

if [ ! -f "$wasm/build.ninja" ]; then
    emcmake cmake -S "$root/web" -B "$wasm" -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
fi
cmake --build "$wasm"

rm -rf "$out"
mkdir -p "$out/assets" "$out/fonts"
runtime="$build/runtime" && mkdir -p -m 700 "$runtime"
QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy XDG_RUNTIME_DIR="$runtime" \
    "$build/bin/pelmora_webexport" "$out/layout.json"
cp "$wasm/pelmora.js" "$wasm/pelmora.wasm" "$out/"
page="$root/web/page"
cp "$page/index.html" "$page/pelmora.css" "$page/manifest.webmanifest" "$out/"
# The manifest in each of the game's languages, from its catalogues.
"$build/bin/pelmora_desktop_l10n" merge "$build/l10n" "$out" "$page/manifest.webmanifest"
# The page's modules as one script: one request instead of one each.
node "$root/tools/web/bundle.cjs" "$page/main.js" "$out/page.js"
# The board's eight tiles as one file of eight PNGs, at each size.
for size in "" @2x; do
    for tile in b g r y bh gh rh yh; do cat "$root/assets/$tile$size.png"; done > "$out/assets/tiles$size.bin"
done
cp "$root"/assets/background*.png "$root"/assets/legend_*.png "$root"/assets/icon-32.png \
   "$root"/assets/icon-192.png "$root"/assets/icon-512.png "$out/assets/"
# The game plays its sounds from its own folder: beside the page.
cp "$root"/assets/*.wav "$out/"
node "$root/tools/web/fonts.cjs" "$out"
# What the first board needs, into index.html.
node "$root/tools/web/inline.cjs" "$out"
# Last: the offline copy lists every file above.
node "$root/tools/web/offline.cjs" "$page/sw.js" "$out"
echo "web: $out"
