#!/usr/bin/env bash
# Runs, without a display, what a change that must change no result is held
# to, and keeps what each run wrote in a folder of its own below the given
# one; given an earlier such folder as well, compares the two byte for byte.
#
#   bash scripts/compare-outputs.sh <folder>                    write
#   bash scripts/compare-outputs.sh <folder> <earlier folder>   write, compare
#
# The runs (bench/output_runs.cpp): the model window's default run, workload
# W Newtonian and with each retardation DX1, DX2, DX3, ten years of W with
# DX2 under the Л-В law, an observation run, a
# day of the eclipse window by the JPL0 theory and by DE405, a two-body run
# and the start-up window's orbit check. Each works in a program folder laid
# out as build/bin/ and keeps the files it wrote there, with "state.hex" (the
# bits of the values it ended with), "messages.txt" and, without a window,
# "passes.hex" (the state at every output pass). Some two minutes on one core.
#
# The engine is compiled for the processor that builds it, and the series
# file's header carries the day of the run: compare folders written on one
# machine on one day. Builds the driver into build/ (JOBS jobs at most).
# Exit status 1 when a file differs or is missing on one side.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -lt 1 ] || [ $# -gt 2 ]; then
  echo "usage: $0 <folder> [<earlier folder>]" >&2
  exit 2
fi
out=$(realpath -m "$1")
earlier=${2:+$(realpath -m "$2")}

[ -f build/build.ninja ] || bash scripts/build.sh
cmake --build build -j "${JOBS:-$(nproc)}" --target output_runs >/dev/null

runs=(default w0 w1 w2 w3 w2-law5 observation eclipse-theory eclipse-de405 twobody orbitcheck)
rm -rf "$out"
mkdir -p "$out/logs"
for run in "${runs[@]}"; do
  folder=$out/$run
  mkdir -p "$folder"
  for tree in build/bin/*/; do cp -r "$tree" "$folder/"; done
  touch "$out/logs/$run.start"
  sleep 0.01
  start=$SECONDS
  build/bin/output_runs "$run" "$folder" >"$out/logs/$run.log" 2>&1
  # Only what the run wrote stays.
  find "$folder" -type f ! -newer "$out/logs/$run.start" -delete
  find "$folder" -mindepth 1 -type d -empty -delete
  echo "$run: $((SECONDS - start)) s"
done

[ -n "$earlier" ] || exit 0
files=0 bytes=0 identical=0 different=0
while IFS= read -r file; do
  files=$((files + 1))
  if [ -f "$earlier/$file" ] && [ -f "$out/$file" ] && cmp -s "$earlier/$file" "$out/$file"; then
    identical=$((identical + 1))
    bytes=$((bytes + $(stat -c %s "$out/$file")))
  else
    different=$((different + 1))
    echo "differs or is missing on one side: $file"
  fi
done < <( (cd "$earlier" && find . -path ./logs -prune -o -type f -print; cd "$out" && find . -path ./logs -prune -o -type f -print) | sort -u)
echo "files: $files, identical: $identical ($bytes bytes), different or missing: $different"
[ "$different" -eq 0 ]
