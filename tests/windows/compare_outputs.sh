#!/usr/bin/env bash
# compare_outputs.sh LINUX_BUILD WINDOWS_BUILD DATABASE WINE_RUN KIT PREFIX
# Runs the same designs through the Linux and the Windows quorvel-design (under wine)
# and saves the same project with both builds; every file must match byte for byte:
# the table, CSV and JSON (written with -o and to standard output), the bill of
# quantities, the EPANET networks, the project's three files and the saved catalogs.
# The PDF report is not compared (it carries its time of making). Exit 77: no Linux build.
# KEEP=1 leaves the files in the temporary folder for a look.
set -euo pipefail

linux=$1 windows=$2 database=$3 wine_run=$4 kit=$5 prefix=$6
[ -x "$linux/src/cli/quorvel-design" ] && [ -x "$linux/tests/windows/quorvel_saveproject" ] || {
  echo "SKIP: no Linux build in $linux (build it first: cmake -S . -B build && cmake --build build)"
  exit 77
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
[ -z "${KEEP:-}" ] || trap - EXIT
cat >"$work/sites.csv" <<'SITES'
Site,L,Zw,Zt,P,T,U,K
Camp,1000,100,150,5000,4,25,250
School,1000,100,130,2000,4,25,250
Hillside clinic,2400,80,160.5,1200,6,30,200
By gravity,800,150,120,3000,8,20,250
Too many,500,100,140,90000,1,25,250
"Ärzte, Nord",1500.75,95.5,131.25,4100,5,22.5,240
SITES

run() { # run SYSTEM OUT_FOLDER ARGS...: quorvel-design of that system, outputs in OUT_FOLDER
  local system=$1 out=$2
  shift 2
  mkdir -p "$out"
  if [ "$system" = linux ]; then
    (cd "$work" && "$linux/src/cli/quorvel-design" "$@")
  else
    (cd "$work" && "$wine_run" "$kit" "$prefix" "$windows/src/cli/quorvel-design.exe" "$@")
  fi
}

for system in linux windows; do
  out=$system
  mkdir -p "$work/$out"
  # The exit status says some sites failed (1); that is part of what is compared.
  for format in table csv json; do
    flag=(); [ $format = table ] || flag=(--$format)
    status=0
    run $system "$work/$out" --database "$database" "${flag[@]}" --summary -o "$out/$format.out" sites.csv \
      2>"$work/$out/$format.err" || status=$?
    echo "$status" >"$work/$out/$format.status"
    run $system "$work/$out" --database "$database" "${flag[@]}" sites.csv >"$work/$out/$format.stdout" 2>/dev/null || true
  done
  run $system "$work/$out" --database "$database" --epanet "$out/networks" sites.csv >/dev/null 2>&1 || true
  run $system "$work/$out" --database "$database" --site 1000,100,150,5000,4,25,250 --name Worked --pump 1 \
    --tank 3 --json -o "$out/worked.json" 2>/dev/null || true
  mkdir -p "$work/$out/project"
  if [ $system = linux ]; then
    "$linux/tests/windows/quorvel_saveproject" "$database" "$work/$out/project"
  else
    "$wine_run" "$kit" "$prefix" "$windows/tests/windows/quorvel_saveproject.exe" "$database" "$work/$out/project"
  fi
done

# The messages name the programs and paths in each system's way; all else is the same.
rm -f "$work"/{linux,windows}/*.err
ls "$work/linux/networks" | grep -q . || { echo "no networks written"; exit 1; }
[ -s "$work/linux/project/worked.qvl" ] || { echo "no project saved"; exit 1; }
if ! diff -r "$work/linux" "$work/windows"; then
  echo "FAIL: the Windows build's files differ from the Linux build's"
  exit 1
fi
echo "Same bytes from both builds: $(cd "$work/linux" && find . -type f | wc -l) files"
