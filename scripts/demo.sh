#!/usr/bin/env bash
# Builds Corvane and starts it on build/demo.db (made the first time), under Xvfb when there is
# no display.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"
cd "$root/build"

[ -f demo.db ] || ./corvane-db demo demo.db
cat > config.txt <<CONFIG
"Corvane configuration"
"Database",demo.db
"Call back months",6
CONFIG

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting Corvane under Xvfb (a virtual screen you cannot see)."
  exec xvfb-run -a -s "-screen 0 1280x1024x24" ./corvane
fi
exec ./corvane
