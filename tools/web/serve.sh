#!/bin/sh
# Serves the built page on this machine only. Usage: tools/web/serve.sh WEB_DIR
# (PORT picks the port, 8000 by default).
set -eu
port=${PORT:-8000}
echo "Pelmora is at http://127.0.0.1:$port/  (Ctrl+C stops it)"
exec python3 -m http.server --bind 127.0.0.1 --directory "$1" "$port"
