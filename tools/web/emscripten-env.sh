# Sourced by the web scripts: where Emscripten keeps its libraries and finds
# its Node modules. Expects $build (the desktop build folder).

# Debian's Emscripten keeps its cache, with the prebuilt system libraries,
# under /usr/share, which only root may write. Ours is a tree of links to
# those libraries inside the build folder: anything missing is built there.
export EM_CACHE="$build/emcache"
if [ ! -f "$EM_CACHE/sysroot_install.stamp" ]; then
    mkdir -p "$EM_CACHE"
    cp -rs /usr/share/emscripten/cache/. "$EM_CACHE/"
    rm -f "$EM_CACHE/cache.lock"
fi
# emcc's own scripts need Debian's Node modules, which a node other than
# Debian's does not look for by itself.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
