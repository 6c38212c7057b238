#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Saving, opening and exporting a design in the window. Prints the details,
# then "summary|" lines that scripts/bench gathers into its table.
#   design_file_bench.sh BUILD_DIR
set -euo pipefail
build=${1:?build directory}
out=$(mktemp)
scratch=$(mktemp -d)
trap 'rm -rf "$out" "$scratch"' EXIT
echo "== Design files and report"
"$build/bench/design_file_bench" --benchmark_min_time=0.2 2>/dev/null |
  tee "$out"
awk '
  function ms(value, unit) {
    return unit == "ns" ? value / 1e6 : unit == "us" ? value / 1000 : value
  }
  function line(name, target, t) {
    printf "summary|%s|%.2f ms|<= %d ms|%s\n", name, t, target,
           t <= target ? "met" : "MISSED"
  }
  # Saving waits for the disk to confirm the data (fsync); the CPU time
  # shows what is left of it on a disk that confirms at once.
  $1 == "BM_SaveDesign" {
    line("Design file: save (atomic, synced)", 5, ms($2, $3))
    printf "summary|Design file: save, CPU time|%.2f ms|\n", ms($4, $5)
  }
  $1 == "BM_OpenDesign" { line("Design file: open into the window", 5, ms($2, $3)) }
  $1 == "BM_ExportReport" { line("Report: two-page PDF", 300, ms($2, $3)) }
  $1 ~ /^BM_ReadHostile\// {
    split($1, name, "/")
    line("Design file: read the hostile " name[2], 50, ms($2, $3))
  }' "$out"

# Peak memory of spulix-calc refusing each hostile shape (the whole
# process, start-up included), against the same run on a good design.
calc="$build/cli/spulix-calc"
"$calc" --save "$scratch/good.spulix" P2=250 >/dev/null
head -c 16777216 /dev/zero | tr '\0' '[' >"$scratch/nested-16MB.spulix"
head -c 1048576 /dev/zero | tr '\0' '[' >"$scratch/nested-1MB.spulix"
awk 'BEGIN { printf "{"; for (i = 0; i < 80000; i++)
             printf "%s\"k%06d\":0", (i ? "," : ""), i; printf "}" }' \
  >"$scratch/80000-keys.spulix"
# The costliest file the checks let through: 4095 values filling 1 MiB.
awk 'BEGIN { v = sprintf("%240s", ""); gsub(/ /, "x", v); printf "{"
             for (i = 0; i < 4095; i++)
               printf "%s\"k%06d\":\"%s\"", (i ? "," : ""), i, v; printf "}" }' \
  >"$scratch/widest-allowed.spulix"
for shape in good nested-16MB nested-1MB 80000-keys widest-allowed; do
  /usr/bin/time -f "%M %e" -o "$scratch/time" \
    "$calc" --design "$scratch/$shape.spulix" >/dev/null 2>&1 || true
  # (after a line "Command exited with non-zero status 2" for a refusal)
  read -r kb seconds < <(tail -n 1 "$scratch/time")
  echo "spulix-calc --design $shape: peak ${kb} KB, ${seconds} s"
  awk -v s="$shape" -v kb="$kb" -v t="$seconds" 'BEGIN {
    printf "summary|spulix-calc --design %s: peak memory, time|%.1f MB, %.2f s|<= 16 MB, < 1 s|%s\n",
           s, kb / 1024, t, (kb <= 16384 && t < 1) ? "met" : "MISSED" }'
done
