#!/usr/bin/env bash
# Runs a command of this repository (the README's test command unless told otherwise) inside a
# fresh, minimal Debian 12 made for this run with debootstrap, so that a missing install step,
# or a test that leans on this machine's fonts, locale or packages, fails here as it would on a
# new user's machine. Needs root and Debian's package archive; the system is thrown away after.
#
#   scripts/fresh-debian.sh [COMMAND ...]    e.g. scripts/fresh-debian.sh scripts/test.sh
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
[ "$#" -gt 0 ] || set -- scripts/test.sh
[ "$(id -u)" -eq 0 ] || { echo "fresh-debian.sh: must run as root (debootstrap, chroot)" >&2; exit 2; }

if ! command -v debootstrap >/dev/null; then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap
fi

# The archive this machine's own apt uses, so that the fresh system reaches the same one; where
# none is found, debootstrap's own default.
mirror() {
  local uri=""
  if compgen -G '/etc/apt/sources.list.d/*.sources' >/dev/null; then
    uri=$(awk '/^URIs:/ {u=$2} /^Suites:/ && / bookworm( |$)/ && u {print u; exit}' \
      /etc/apt/sources.list.d/*.sources)
  fi
  if [ -z "$uri" ] && [ -f /etc/apt/sources.list ]; then
    uri=$(awk '$1 == "deb" && $3 == "bookworm" {print $2; exit}' /etc/apt/sources.list)
  fi
  printf '%s' "$uri"
}

system=$(mktemp -d "${TMPDIR:-/var/tmp}/corvane-fresh.XXXXXX")
# mktemp makes the folder for root alone; as the system's root it must let every user in.
chmod 755 "$system"
cleanup() {
  umount -R "$system/dev" "$system/proc" "$system/sys" 2>/dev/null || true
  # Never delete through a mount that is still there.
  if grep -q " $system/" /proc/mounts; then
    echo "fresh-debian.sh: $system still has mounts; left in place" >&2
  else
    rm -rf "$system"
  fi
}
trap cleanup EXIT

started=$SECONDS
echo "== Making a minimal Debian 12 in $system"
# shellcheck disable=SC2046
debootstrap --variant=minbase bookworm "$system" $(mirror) >"$system.debootstrap.log" 2>&1 || {
  tail -n 20 "$system.debootstrap.log" >&2
  exit 1
}
rm -f "$system.debootstrap.log"

mount -t proc proc "$system/proc"
mount -t sysfs sysfs "$system/sys"
mount --rbind /dev "$system/dev"
mount --make-rslave "$system/dev"
cp -L /etc/resolv.conf "$system/etc/resolv.conf" 2>/dev/null || true

# The repository as it is here: tracked files and new ones git does not ignore, no build trees.
mkdir -p "$system/root/corvane"
git -C "$root" ls-files -z --cached --others --exclude-standard |
  (cd "$root" && tar --null -T - -cf - 2>/dev/null) | tar -xf - -C "$system/root/corvane"

echo "== Running $* there ($((SECONDS - started)) s so far)"
quoted=$(printf '%q ' "$@")
chroot "$system" /usr/bin/env -i HOME=/root TERM=dumb \
  PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
  /bin/bash -c "cd /root/corvane && $quoted"
echo "== Fresh Debian 12 run passed in $((SECONDS - started)) s"
