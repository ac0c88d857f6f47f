#!/bin/sh
# Expands the templates of a model, then runs EnergyPlus on expandedVAK.idf in the model's folder,
# where EnergyPlus writes its outputs unless its options say otherwise. `energyplus -x` runs only
# EnergyPlus's own expander, so this one is run first and a failure stops the run.
# Exit status: that of expandVAKobjects when it fails, else EnergyPlus's; 2 for wrong arguments.
# Options after the weather file go to EnergyPlus; relative paths in them start at MODEL_FOLDER.
if [ $# -lt 2 ] || [ -z "$1" ] || [ -z "$2" ]; then
  printf 'usage: %s MODEL_FOLDER WEATHER.epw [ENERGYPLUS_OPTION...]\n' "${0##*/}" >&2
  exit 2
fi
unset CDPATH
model=$1
weather=$2
shift 2
# The weather file is named from the caller's folder, which is left below.
case $weather in
  /* | [A-Za-z]:[\\/]*) ;;
  *) weather=$PWD/$weather ;;
esac
# The program beside this script comes first, as the zip and the package install it.
expand=$(cd "$(dirname "$0")" && pwd)/expandVAKobjects
[ -x "$expand" ] || expand=expandVAKobjects
cd -- "$model" || exit 2
"$expand" || exit
exec energyplus -w "$weather" "$@" expandedVAK.idf
