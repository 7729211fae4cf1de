#!/usr/bin/env bash
# On a fresh Debian 12 (run through scripts/fresh-debian.sh, as root): builds the package,
# installs it with apt, and checks what a new user meets: the menu entry and its icon, the first
# start from the menu's command asking once to make a database of their own, a backup and a
# password of their own, and that removing the package leaves their database as it was.
#
#   scripts/fresh-debian.sh tests/install/fresh-install.sh
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
fail() { echo "FAIL: $*" >&2; exit 1; }
export DEBIAN_FRONTEND=noninteractive

"$root/scripts/package.sh"
apt-get install -y -qq "$(echo "$root"/build/package/corvane_*.deb)" >/dev/null
apt-get install -y -qq --no-install-recommends xdotool >/dev/null
entry=/usr/share/applications/corvane.desktop
[ -f "$entry" ] || fail "no menu entry"
icon=$(sed -n 's/^Icon=//p' "$entry")
[ -f "/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no icon $icon"
command=$(sed -n 's/^Exec=//p' "$entry" | sed 's/ *%.//')
echo "The menu entry starts '$command' with the icon $icon"

id ann >/dev/null 2>&1 || useradd -m ann
database=/home/ann/.local/share/Corvane/customers.db
# The first start: one question, answered Yes with the keyboard, then the main window.
su ann -c "xvfb-run -a -s '-screen 0 1280x1024x24' bash -c '
  $command & pid=\$!
  for _ in \$(seq 100); do xdotool search --name Corvane >/dev/null 2>&1 && break; sleep 0.2; done
  sleep 1; xdotool key Return
  for _ in \$(seq 100); do [ -f $database ] && break; sleep 0.2; done
  sleep 2; kill \$pid; wait \$pid || true'"
[ -f "$database" ] || fail "no database made at $database"
su ann -c "corvane-db check $database" | grep -qx "integrity: ok" || fail "the new database"
echo "The first start made $database"

su ann -c "corvane-db backup $database /home/ann/backup.db && corvane-db check /home/ann/backup.db" |
  grep -qx "integrity: ok" || fail "backup"
su ann -c "corvane-db backup $database /home/ann/backup.db" && fail "an existing backup was overwritten"
su ann -c "printf 'secret\nsecret\n' | corvane-db password $database" || fail "password"
su ann -c "printf 'secret\n' | corvane-db check $database" | grep -qx "integrity: ok" ||
  fail "the file with its own password"
su ann -c "printf 'secret\n\n\n' | corvane-db password $database" || fail "password back"
su ann -c "corvane-db check $database" | grep -qx "integrity: ok" || fail "back to the built-in one"
echo "Backup and password work"

before=$(md5sum "$database")
apt-get remove -y -qq corvane >/dev/null
[ "$(md5sum "$database")" = "$before" ] || fail "removing the package changed the database"
echo "Removing the package left $database as it was"
