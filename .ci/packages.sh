#!/usr/bin/env bash
# Checks the man pages and the Debian package: man renders the pages without a warning, lintian
# finds no error, and the binary and the runner unpacked from the .deb convert an example as the
# build does.
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

for page in docs/*.1; do
  warnings=$(man --warnings -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || { echo "packages: $page has warnings:"; echo "$warnings"; exit 1; }
done
echo "packages: man pages render without warning"

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
test -f "$work/root/usr/share/man/man1/expandVAKobjects-run-with-energyplus.1.gz"
test -f "$work/root/usr/share/doc/expandvakobjects/tools/run-with-energyplus.bat"
mkdir "$work/deb" "$work/build"
for d in deb build; do cp examples/office-8.0/in.idf "$work/$d/"; done
(cd "$work/deb" && "$work/root/usr/bin/expandVAKobjects" >/dev/null)
(cd "$work/build" && "$build/expandVAKobjects" >/dev/null)
cmp "$work/deb/expandedVAK.idf" "$work/build/expandedVAK.idf"
echo "packages: the packaged binary converts the 8.0 example as the build does"

# The packaged runner runs the program beside it, then energyplus (a stand-in that needs the
# expanded file) in the model's folder.
mkdir "$work/runner" "$work/stand-in"
cp examples/office-8.0/in.idf "$work/runner/"
printf '#!/bin/sh\ntest -f expandedVAK.idf\n' >"$work/stand-in/energyplus"
chmod +x "$work/stand-in/energyplus"
PATH="$work/stand-in:$PATH" "$work/root/usr/bin/expandVAKobjects-run-with-energyplus" \
  "$work/runner" w.epw >/dev/null
cmp "$work/runner/expandedVAK.idf" "$work/build/expandedVAK.idf"
echo "packages: the packaged runner expands the 8.0 example and then runs energyplus"
