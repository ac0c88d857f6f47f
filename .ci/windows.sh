#!/usr/bin/env bash
# Cross-builds the Windows program and its tests with MinGW-w64 and checks them under wine: the
# same bytes as the Linux build on the examples and on awkward inputs, a second run in the same
# folder, the test suite, the zip, and the runner for cmd in it.
# Usage: .ci/windows.sh [linux-build-dir]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
start=$SECONDS
linux=$(cd "${1:-build}" && pwd)/expandVAKobjects

missing=()
command -v x86_64-w64-mingw32-g++-posix >/dev/null || missing+=(g++-mingw-w64-x86-64-posix)
command -v wine >/dev/null || missing+=(wine wine64)
if [ "${#missing[@]}" -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
echo "windows: tools ready after $((SECONDS - start)) s"

# A quiet wine in a prefix of its own that asks nothing (no Mono or Gecko installers).
WINEPREFIX=$(mktemp -d)
work=$(mktemp -d)
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$WINEPREFIX" "$work"' EXIT
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY=
wineboot --init >/dev/null 2>&1

cmake --no-warn-unused-cli -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DVAK_GTEST_SOURCES=/usr/src/googletest >/dev/null
cmake --build build-win -j2
exe=$(pwd)/build-win/expandVAKobjects.exe
echo "windows: built after $((SECONDS - start)) s"

# Each case: the same input through both builds, output compared byte for byte.
cases="$work/cases"
mkdir -p "$cases"/{office-7.1,office-8.0,crlf,lone-cr,ctrl-z,nul,no-final-newline}
cp examples/office-7.1/in.idf "$cases/office-7.1/"
cp examples/office-8.0/in.idf "$cases/office-8.0/"
sed 's/$/\r/' examples/office-8.0/in.idf >"$cases/crlf/in.idf"
printf 'Version,\n  8.0;\r\n! a\rlone CR\nZone,\r  Z1;\n' >"$cases/lone-cr/in.idf"
printf 'Version,\n  8.0;\n! end of a DOS file \032\n\032Zone,\n  Z1;\n' >"$cases/ctrl-z/in.idf"
printf 'Version,\n  8.0;\n! a \000 NUL\n\000\nZone,\n  Z1;\n' >"$cases/nul/in.idf"
head -c -1 examples/office-7.1/in.idf >"$cases/no-final-newline/in.idf"
for dir in "$cases"/*; do
  name=$(basename "$dir")
  mkdir "$dir/linux" "$dir/windows"
  cp "$dir/in.idf" "$dir/linux/"
  cp "$dir/in.idf" "$dir/windows/"
  (cd "$dir/linux" && "$linux" >/dev/null)
  for run in first second; do  # the second replaces the first run's output
    (cd "$dir/windows" && wine "$exe" >"$dir/console" 2>"$dir/errors") ||
      { echo "windows: $name: $run run failed: $(cat "$dir/errors")"; exit 1; }
    printf 'ExpandVAKObjects....OK\r\n' | cmp -s - "$dir/console" ||
      { echo "windows: $name: $run run printed: $(cat -A "$dir/console")"; exit 1; }
    cmp "$dir/linux/expandedVAK.idf" "$dir/windows/expandedVAK.idf" ||
      { echo "windows: $name: $run run differs from the Linux output"; exit 1; }
  done
  [ "$(ls -A "$dir/windows" | wc -l)" -eq 2 ] || { echo "windows: $name: files left"; exit 1; }
done
echo "windows: same output as Linux, twice in one folder: $(ls "$cases" | tr '\n' ' ')"

# Directly, not through ctest: every start of a Windows program under wine costs time.
for suite in build-win/tests/vak_tests.exe build-win/tests/vak_process_tests.exe; do
  wine "$suite" --gtest_brief=1
done
# The zip: its program converts an example as the build does.
rm -f build-win/*.zip
(cd build-win && cpack -G ZIP >/dev/null)
mkdir "$work/zip" && (cd "$work/zip" && cmake -E tar xf "$(ls "$OLDPWD"/build-win/*.zip)")
zipped=$(ls "$work"/zip/*/expandVAKobjects.exe)
cp "$cases/office-7.1/in.idf" "$work/zip/"
(cd "$work/zip" && wine "$zipped" >/dev/null)
cmp "$work/zip/expandedVAK.idf" "$cases/office-7.1/linux/expandedVAK.idf"
echo "windows: $(basename build-win/*.zip) holds a working program"

# The runner for cmd from the zip, beside the program in a folder with a blank that the runs
# start in (a quoted runner would lose its quotes to "cmd /c"), with stand-ins on wine's PATH
# (tests/stand_in.cpp): energyplus, and a failing expandVAKobjects for a runner alone.
unpacked=$(dirname "$zipped")
test -f "$unpacked/run-with-energyplus.sh"
[ "$(grep -c $'\r$' "$unpacked/run-with-energyplus.bat")" -eq "$(wc -l <"$unpacked/run-with-energyplus.bat")" ] ||
  { echo "windows: the zipped runner's lines do not all end with CR LF"; exit 1; }
stand_ins=$work/stand-ins runs="$work/program dir"
mkdir -p "$stand_ins" "$runs/my model" "$work/alone"
cp "$unpacked/run-with-energyplus.bat" "$unpacked/expandVAKobjects.exe" "$runs/"
for name in energyplus expandVAKobjects; do cp build-win/tests/vak_stand_in.exe "$stand_ins/$name.exe"; done
cp "$unpacked/run-with-energyplus.bat" "$work/alone/"
printf 'Version,\n  8.0;\n' >"$runs/my model/in.idf"
WINEPATH=$(winepath -w "$stand_ins") STAND_IN_RECORDS=$(winepath -w "$stand_ins")
export WINEPATH STAND_IN_RECORDS
alone_runner=$(winepath -w "$work/alone")\\run-with-energyplus.bat
model=$(winepath -w "$runs/my model")
# Runs the runner and its arguments in $runs: a name, the status wanted, and the lines that the
# stand-in energyplus must have written down ("" when it must not have run).
runner() {
  local name=$1 want=$2 record=$3 status=0
  shift 3
  rm -f "$stand_ins"/*.record
  (cd "$runs" && wine cmd /c "$@" >/dev/null 2>&1) || status=$?
  local got
  got=$(tr -d '\r' 2>/dev/null <"$stand_ins/energyplus.record") || true
  [ "$status" = "$want" ] && [ "$got" = "$record" ] ||
    { printf 'windows: runner: %s: status %s (want %s), energyplus got:\n%s\n' "$name" "$status" "$want" "$got"; exit 1; }
}
runner "a relative weather file, options passed on" 0 \
  "$model"$'\n-w\n'"$(winepath -w "$runs")"$'\\w 1.epw\n-r\n-p\na b\nexpandedVAK.idf\ninput present' \
  run-with-energyplus.bat "my model" "w 1.epw" -r -p "a b"
[ ! -e "$stand_ins/expandVAKobjects.record" ] || { echo "windows: runner: took the program on PATH"; exit 1; }
STAND_IN_STATUS=5 runner "an absolute weather file, EnergyPlus failing" 5 \
  "$model"$'\n-w\nC:\\w.epw\nexpandedVAK.idf\ninput present' run-with-energyplus.bat "$model" 'C:\w.epw'
# 0xC0000005, a crash, of which wine's exit status keeps the low byte.
STAND_IN_STATUS=-1073741819 runner "expandVAKobjects from PATH, crashing" 5 "" \
  "$alone_runner" "my model" w.epw
[ "$(head -1 "$stand_ins/expandVAKobjects.record" | tr -d '\r')" = "$model" ] ||
  { echo "windows: runner: expandVAKobjects did not run in the model's folder"; exit 1; }
runner "a missing folder" 2 "" run-with-energyplus.bat "no model" w.epw
runner "a missing weather file argument" 2 "" run-with-energyplus.bat "my model"
echo "windows: the zipped runner for cmd runs both programs in the model's folder and passes statuses on"

echo "windows: checks took $((SECONDS - start)) s"
