#!/usr/bin/env bash
# Installs the build as a Debian desktop has it and checks that every file is in its place (and
# nothing else is there), that the menu entry, the AppStream data and the icons are sound, and
# that the installed program, started through its link on the PATH, finds its config.txt and the
# database it names in the user's home.
#
#   tests/install/check-install.sh BUILD_DIR
set -euo pipefail
export LC_ALL=C
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$(mktemp -d)
pid=""
cleanup() {
  [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# The layout under /usr, as the package holds it.
root=$work/root
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
diff -u "$here/files.txt" <(cd "$root" &&
  find . ! -type d -printf '%P' \( -type l -printf ' -> %l' -o -true \) -printf '\n' | sort) ||
  fail "installed files differ"
desktop-file-validate "$root/usr/share/applications/corvane.desktop" || fail "menu entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.corvane.Corvane.metainfo.xml" >/dev/null ||
  fail "AppStream data"
for size in 16 22 24 32 48 64 128 256; do
  file -b "$root/usr/share/icons/hicolor/${size}x${size}/apps/corvane.png" |
    grep -q "^PNG image data, $size x $size," || fail "the ${size}x${size} icon is not of that size"
done

# The same installation under a prefix of its own, where config.txt's link leads somewhere.
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
export HOME=$work/home QT_QPA_PLATFORM=offscreen
database=$HOME/.local/share/Corvane/customers.db
mkdir -p "$(dirname "$database")"
"$prefix/bin/corvane-db" create "$database" >/dev/null
"$prefix/bin/corvane" &
pid=$!
# Up once it holds the database open; a program that missed its config.txt would stop at a
# message instead, never opening it.
for _ in $(seq 600); do
  kill -0 "$pid" 2>/dev/null || fail "the installed program ended"
  if [ "$(readlink -f /proc/$pid/fd/* 2>/dev/null | grep -cxF "$database")" -gt 0 ]; then
    echo "The installed program opened $database"
    exit 0
  fi
  sleep 0.1
done
fail "the installed program did not open $database"
