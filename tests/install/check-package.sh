#!/usr/bin/env bash
# Checks the Debian package scripts/package.sh made: lintian finds no error (where lintian is
# installed), it holds the installation's files and no others, keeps config.txt as a
# configuration file, and declares what the program needs besides its libraries.
#
#   tests/install/check-package.sh PACKAGE.deb
set -euo pipefail
export LC_ALL=C
deb=$1
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
fail() { echo "FAIL: $*" >&2; exit 1; }

if command -v lintian >/dev/null; then
  lintian --fail-on error "$deb" || fail "lintian finds errors"
else
  echo "lintian is not installed: skipping it"
fi
diff -u "$here/files.txt" <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^[^.]*\.\//, ""); print }' |
  sort) || fail "the package's files differ from the installation's"
[ "$(dpkg-deb -I "$deb" conffiles)" = /etc/corvane/config.txt ] || fail "conffiles"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libsqlcipher0 libxlsxwriter4 qt6-qpa-plugins fonts-liberation2; do
  [[ ", $depends," == *", $needed"[\ ,]* ]] || fail "Depends lacks $needed: $depends"
done
[ "$(dpkg-deb -f "$deb" Description | wc -l)" -gt 3 ] || fail "no long description"
echo "The package $deb is sound"
