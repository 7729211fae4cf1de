#!/usr/bin/env bash
# Builds the Debian package of Corvane, build/package/corvane_VERSION_ARCH.deb, from the same
# installation cmake --install makes. With --check it then runs the package test: lintian, the
# files, the configuration file and the declared dependencies.
#
#   scripts/package.sh [--check]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh" --packages-only
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" -j "$(nproc)" --target corvane corvane-db

rm -f "$root"/build/package/corvane_*.deb
(cd "$root/build" && cpack -G DEB -B "$root/build/package" >/dev/null)
deb=$(echo "$root"/build/package/corvane_*.deb)
echo "Made $deb"
[ "${1:-}" != "--check" ] || "$root/tests/install/check-package.sh" "$deb"
