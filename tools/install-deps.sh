#!/bin/sh
# Installs whichever of the listed Debian packages are missing. Nothing is
# downloaded when everything is already there.
# Usage: tools/install-deps.sh [LIST...]   (default: tools/debian-packages.txt)
set -eu
[ $# -gt 0 ] || set -- "$(dirname "$0")/debian-packages.txt"
# Packages that an installed package stands in for (e.g. a nodejs built with
# its own npm provides "npm").
provided=$(dpkg-query -W -f='${db:Status-Abbrev} ${Provides}\n' 2>/dev/null |
    awk '$1 == "ii" { $1 = ""; print }' | tr ',' '\n' | awk '{ print $1 }' | sort -u)
missing=""
for pkg in $(cat "$@" | grep -v '^#'); do
    status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
    case "$status" in
        *" installed") ;;
        *) echo "$provided" | grep -qx "$pkg" || missing="$missing $pkg" ;;
    esac
done
[ -z "$missing" ] && exit 0
if [ "$(id -u)" -eq 0 ]; then
    echo "Installing:$missing"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update
    apt-get install -y --no-install-recommends $missing
else
    echo "Missing Debian packages. Install them with:" >&2
    echo "  sudo apt-get update && sudo apt-get install -y$missing" >&2
    exit 1
fi
