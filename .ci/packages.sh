#!/usr/bin/env bash
# Checks the man page and the Debian package: man renders the page without a warning, lintian
# finds no error, and the binary unpacked from the .deb converts an example as the build does.
# Usage: .ci/packages.sh [linux-build-dir]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(cd "${1:-build}" && pwd)

missing=()
command -v man >/dev/null || missing+=(man-db)
command -v groff >/dev/null || missing+=(groff-base)
command -v lintian >/dev/null || missing+=(lintian)
command -v dpkg-shlibdeps >/dev/null || missing+=(dpkg-dev)
if [ "${#missing[@]}" -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

warnings=$(man --warnings -l docs/expandVAKobjects.1 2>&1 >/dev/null)
[ -z "$warnings" ] || { echo "packages: the man page has warnings:"; echo "$warnings"; exit 1; }
echo "packages: man page renders without warning"

rm -f "$build"/*.deb
(cd "$build" && cpack -G DEB >/dev/null 2>&1)
deb=$(ls "$build"/*.deb)
report=$(lintian --fail-on error "$deb" 2>&1) || { echo "$report"; echo "packages: lintian errors"; exit 1; }
echo "$report" | grep -v 'root privileges' || true
echo "packages: lintian finds no error in $(basename "$deb")"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dpkg -x "$deb" "$work/root"
test -f "$work/root/usr/share/doc/expandvakobjects/copyright"
test -f "$work/root/usr/share/man/man1/expandVAKobjects.1.gz"
mkdir "$work/deb" "$work/build"
for d in deb build; do cp examples/office-8.0/in.idf "$work/$d/"; done
(cd "$work/deb" && "$work/root/usr/bin/expandVAKobjects" >/dev/null)
(cd "$work/build" && "$build/expandVAKobjects" >/dev/null)
cmp "$work/deb/expandedVAK.idf" "$work/build/expandedVAK.idf"
echo "packages: the packaged binary converts the 8.0 example as the build does"
