#!/bin/sh
# Installs the browser tests' Node packages, exactly as the lockfile pins
# them, into BUILD/npm. Never downloads a browser: the tests drive Debian's
# Chromium. Does nothing when the lockfile has not changed.
# Usage: tools/web/npm-install.sh BUILD
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
dir="$1/npm"
lock="$root/tests/web/package-lock.json"
mkdir -p "$dir"
if [ -d "$dir/node_modules" ] && cmp -s "$lock" "$dir/package-lock.json"; then
    exit 0
fi
cp "$root/tests/web/package.json" "$lock" "$dir/"
cd "$dir"
PUPPETEER_SKIP_DOWNLOAD=1 npm ci --ignore-scripts --no-audit --no-fund --loglevel=error
