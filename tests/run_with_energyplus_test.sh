#!/bin/sh
# Runs tools/run-with-energyplus.sh as installed (the program beside it, folders with blanks) with
# stand-ins on PATH: an energyplus that writes down its folder and arguments and exits with
# $STAND_IN_STATUS, and an expandVAKobjects that fails with 3, for when the one beside is missing.
# Usage: run_with_energyplus_test.sh RUNNER EXPANDVAKOBJECTS
set -u
tmp=$(mktemp -d) || exit 1
trap 'rm -rf "$tmp"' EXIT
mkdir "$tmp/bin dir" "$tmp/alone" "$tmp/stand-ins" "$tmp/my model"
cp "$1" "$tmp/bin dir/run" && cp "$1" "$tmp/alone/run" && cp "$2" "$tmp/bin dir/"
cat >"$tmp/stand-ins/energyplus" <<'END'
#!/bin/sh
{ pwd; printf '%s\n' "$@"; [ -f expandedVAK.idf ] && echo input present; } >"$RECORD"
exit "${STAND_IN_STATUS:-0}"
END
printf '#!/bin/sh\nexit 3\n' >"$tmp/stand-ins/expandVAKobjects"
chmod +x "$tmp/stand-ins/"*
printf 'Version,\n  8.0;\n' >"$tmp/my model/in.idf"
PATH=$tmp/stand-ins:$PATH RECORD=$tmp/record
export PATH RECORD
passed=0 failed=0

# Runs the runner from $tmp, expecting a status and what energyplus wrote down ("" if not run).
check() {
  name=$1 want_status=$2 want_record=$3
  shift 3
  rm -f "$RECORD"
  (cd "$tmp" && "$@") >/dev/null 2>&1
  status=$?
  record=$(cat "$RECORD" 2>/dev/null)
  if [ "$status" -eq "$want_status" ] && [ "$record" = "$want_record" ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    printf 'FAILED %s: status %s (want %s), energyplus got:\n%s\nwanted:\n%s\n' \
      "$name" "$status" "$want_status" "$record" "$want_record"
  fi
}

nl='
'
check "a relative weather file, options passed on" 0 \
  "$tmp/my model$nl-w$nl$tmp/w 1.epw$nl-r$nl-p${nl}a b${nl}expandedVAK.idf${nl}input present" \
  "$tmp/bin dir/run" "my model" "w 1.epw" -r -p "a b"
check "an absolute weather file, EnergyPlus failing" 5 \
  "$tmp/my model$nl-w$nl/w.epw${nl}expandedVAK.idf${nl}input present" \
  env STAND_IN_STATUS=5 "$tmp/bin dir/run" "$tmp/my model" /w.epw
check "expandVAKobjects from PATH, failing" 3 "" "$tmp/alone/run" "my model" w.epw
check "a missing folder" 2 "" "$tmp/bin dir/run" "no model" w.epw
check "a missing weather file argument" 2 "" "$tmp/bin dir/run" "my model"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
