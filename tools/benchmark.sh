#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program's performance figures, in one run (not a test):
#   - the calculation alone and the whole working of a case (exact shares,
#     base and correction, exclusions, steps as codes), cases per second
#     (bench_calc);
#   - tarnavel-calc over 10,000 reachable records, records per second, with
#     every field and with --explain;
#   - start to the main window shown, median of 11 starts under Xvfb;
#   - one whole case through the windows (bench_case, 5 runs each language):
#     results shown after the last answer, print to PDF, peak memory;
#   - the case window (bench_details, each language): a family or estate
#     change until the window is repainted, saving and opening a case.
# Usage: tools/benchmark.sh [build dir]   (builds the five programs it runs)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
starts=11
cases=5

export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

median() { sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else printf "%.1f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

if [[ ${1:-} == --under-x ]]; then
  build=$2; out=$3
  # Start: the program prints the time from its launch (the clock read just
  # before exec) to the main window painted, then quits.
  : > "$out/start"
  for ((i = 0; i < starts; i++)); do
    line=$(/usr/bin/time -f 'rss %M' -o "$out/start-rss" \
      env TARNAVEL_BENCH_START="$(date +%s%N)" timeout 30 "$build/tarnavel" 2>/dev/null | grep 'main window shown')
    echo "${line//[!0-9.]/}" >> "$out/start"
    awk '{ print $2 }' "$out/start-rss" >> "$out/start-rssk"
  done
  for lang in ar en; do
    for ((i = 0; i < cases; i++)); do
      timeout 60 "$build/tools/bench_case" "$lang" 10 2>/dev/null | grep '^case' >> "$out/case-$lang"
    done
    timeout 120 "$build/tools/bench_details" "$lang" 200 2>/dev/null | grep '^case window' >> "$out/details"
  done
  exit 0
fi

build=$(cd "${1:-$here/../build}" && pwd)
cmake --build "$build" -j2 --target tarnavel tarnavel-calc bench_calc bench_case bench_details >/dev/null

echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')," \
  "$(awk '/MemTotal/ { printf "%.0f GB", $2 / 1048576 }' /proc/meminfo); load $(cut -d' ' -f1-3 /proc/loadavg)"
echo "build: $(grep -m1 '^CMAKE_BUILD_TYPE:' "$build/CMakeCache.txt" | cut -d= -f2), Qt $(qtpaths6 --qt-version 2>/dev/null || echo '?'), $(git -C "$here/.." rev-parse --short HEAD 2>/dev/null || echo '?')"
echo

calc=$("$build/tools/bench_calc" 10000 3)
echo "$calc"
cli=$(bash "$here/bench_cli.sh" "$build/tools/tarnavel-calc" 10000)
echo "$cli"
explain=$(bash "$here/bench_cli.sh" "$build/tools/tarnavel-calc" 10000 --explain)
echo "$explain"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" --under-x "$build" "$work"
[[ $(wc -l < "$work/start") -eq $starts ]] || { echo "benchmark: a start was not timed" >&2; exit 1; }
for lang in ar en; do
  [[ $(wc -l < "$work/case-$lang") -eq $cases ]] || { echo "benchmark: a whole case ($lang) failed" >&2; exit 1; }
  cat "$work/case-$lang"
done

field() { sed -E "s/.*$1.*/\\1/" "$work/case-ar" "$work/case-en"; }
cps=$(sed -E 's/calculation: ([0-9]+) cases.*/\1/' <<< "$calc")
rps=$(sed -nE 's/.*best ([0-9]+) records.*/\1/p' <<< "$cli")
start=$(median < "$work/start")
startMin=$(sort -g "$work/start" | head -1); startMax=$(sort -g "$work/start" | tail -1)
startRss=$(awk '{ printf "%.1f\n", $1 / 1024 }' "$work/start-rssk" | median)
shown=$(field 'results shown ([0-9.]+) ms' | median)
print=$(field 'print to PDF ([0-9.]+) ms' | median)
again=$(field 'again ([0-9.]+) ms' | median)
peak=$(field 'peak memory ([0-9.]+) MB' | sort -g | tail -1)

verdict() { awk -v v="$1" -v t="$3" -v op="$2" 'BEGIN { ok = op == "<" ? v < t : v >= t; print ok ? "met" : "MISSED" }'; }
echo
echo "figure                                         measured      target"
printf '%-46s %-13s %s (%s)\n' "calculation alone" "$cps/s" ">= 5000000/s" "$(verdict "$cps" ">=" 5000000)"
printf '%-46s %-13s %s\n' "tarnavel-calc, 10,000 records" "$rps/s" "-"
printf '%-46s %-13s %s (%s)\n' "start to main window (median of $starts)" "$start ms" "< 250 ms" "$(verdict "$start" "<" 250)"
printf '%-46s %-13s %s\n' "  fastest, slowest start" "$startMin, $startMax ms" ""
printf '%-46s %-13s %s\n' "  peak memory at start (median)" "$startRss MB" ""
printf '%-46s %-13s %s (%s)\n' "peak memory of a whole case (largest of $((2 * cases)))" "$peak MB" "< 60 MB" "$(verdict "$peak" "<" 60)"
printf '%-46s %-13s %s (%s)\n' "results shown after the last answer (median)" "$shown ms" "< 50 ms" "$(verdict "$shown" "<" 50)"
printf '%-46s %-13s %s (%s)\n' "print to PDF from the print button (median)" "$print ms" "< 300 ms" "$(verdict "$print" "<" 300)"
printf '%-46s %-13s %s\n' "  the same report printed again (median)" "$again ms" ""
[[ $(wc -l < "$work/details") -eq 2 ]] || { echo "benchmark: the case window was not timed" >&2; exit 1; }
for lang in ar en; do
  d=$(grep "($lang)" "$work/details")
  num() { sed -E "s/.*$1 ([0-9.]+) ms.*/\\1/" <<< "$d"; }
  printf '%-46s %-13s %s (%s)\n' "case window ($lang): family change, repainted" "$(num 'family change') ms" "< 16 ms" "$(verdict "$(num 'family change')" "<" 16)"
  printf '%-46s %-13s %s (%s)\n' "case window ($lang): estate change, repainted" "$(num 'estate change') ms" "< 16 ms" "$(verdict "$(num 'estate change')" "<" 16)"
  printf '%-46s %-13s %s (%s)\n' "case window ($lang): save a case" "$(num 'save') ms" "< 50 ms" "$(verdict "$(num 'save')" "<" 50)"
  printf '%-46s %-13s %s (%s)\n' "case window ($lang): open a case" "$(num 'open') ms" "< 50 ms" "$(verdict "$(num 'open')" "<" 50)"
done
