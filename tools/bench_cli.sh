#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Records per second through tarnavel-calc over a fixed set of 10,000
# reachable records (the questionnaires' forced zeros respected).
# Usage: tools/bench_cli.sh [path/to/tarnavel-calc] [records] [tarnavel-calc options, e.g. --explain]
set -euo pipefail

calc=${1:-build/tools/tarnavel-calc}
records=${2:-10000}
options=${3:-}
[[ -x $calc ]] || { echo "bench_cli: no tarnavel-calc at '$calc'" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Park-Miller generator with a fixed seed, so that every machine and every
# awk sees the same records (products stay below 2^53).
awk -v n="$records" '
function rnd(k) { seed = (seed * 16807) % 2147483647; return seed % k }
# Mostly small counts, now and then up to the list maximum.
function count(max) { return rnd(10) == 0 ? rnd(max + 1) : (rnd(3) == 0 ? rnd(4) : 0) }
function put(key, v) { if (v != 0) line = line sep "\"" key "\":" v; if (v != 0) sep = "," }
BEGIN {
  seed = 20240607
  for (i = 0; i < n; i++) {
    line = "{"; sep = ""
    # Descendants by generation: a generation with a male ends the questions.
    son = sd = ss = ssd = sss = sssd = 0
    if (rnd(2)) {
      son = count(50); d = count(50)
      if (!son) { ss = count(50); sd = count(50); if (!ss) { sss = count(50); sssd = count(50) } }
    } else d = 0
    male = son || ss || sss
    p = rnd(4) # 0 neither, 1 father, 2 grandfather (siblings share), 3 grandfather as father
    if (p == 3 && male) p = 2 # the method is asked only without a male descendant
    put("FatherAlive", p == 1 || p == 3)
    put("GrandFatherAlive", p == 2)
    put("GrandFatherAsFather", p == 3)
    mother = rnd(2)
    put("MotherAlive", mother)
    if (!mother) { put("MaternalGrandMotherAlive", rnd(2)); put("ParentalGrandMotherAlive", rnd(2)) }
    if (rnd(2)) put("HusbandAlive", rnd(2)); else put("WifeCount", rnd(5))
    put("SonCount", son); put("DaughterCount", d)
    put("SonsSonCount", ss); put("SonsDaughterCount", sd)
    put("SonsSonsSonCount", sss); put("SonsSonsDaughterCount", sssd)
    # The collateral questions come only where the family answers leave them open.
    if (!male && (p == 0 || p == 2 || (p == 1 && mother))) {
      put("FullBrotherCount", count(50)); put("FullSisterCount", count(50))
      put("ParentalBrotherCount", count(50)); put("ParentalSisterCount", count(50))
      put("MaternalSiblingCount", count(100))
      put("BrothersSonCount", count(50)); put("ParentalBrothersSonCount", count(50))
      put("FullUncleCount", count(50)); put("ParentalUncleCount", count(50))
      put("FullUnclesSonCount", count(50)); put("ParentalUnclesSonCount", count(50))
    }
    put("Language", rnd(2))
    print line "}"
  }
}' > "$work/in.jsonl"

best=0
for run in 1 2 3; do
  start=$(date +%s.%N)
  status=0
  "$calc" $options < "$work/in.jsonl" > "$work/out.jsonl" || status=$?
  end=$(date +%s.%N)
  lines=$(wc -l < "$work/out.jsonl")
  errors=$(grep -c '"error"' "$work/out.jsonl" || true)
  if [[ $status -ne 0 || $lines -ne $records || $errors -ne 0 ]]; then
    echo "bench_cli: run $run: exit $status, $lines lines, $errors errors" >&2
    exit 1
  fi
  rate=$(awk -v n="$records" -v s="$start" -v e="$end" 'BEGIN { printf "%.0f", n / (e - s) }')
  echo "tarnavel-calc${options:+ $options} run $run: $records records in $(awk -v s="$start" -v e="$end" 'BEGIN { printf "%.3f", e - s }') s, $rate records/s"
  (( rate > best )) && best=$rate
done
echo "tarnavel-calc${options:+ $options}: best $best records per second"
