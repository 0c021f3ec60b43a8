#!/usr/bin/env bash
# A mutation pass over the calculation and the working: each line of
# mutants.txt puts one single-line fault into a copy of the tree, rebuilds the
# calculation's tests and counts the faults some test catches.
# Usage: tools/mutation/run.sh [build-dir] [mutants file]   (run from the project root; it
# changes files in place and restores them, so keep the tree committed)
set -uo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build-mutation}
tests=${MUTATION_TESTS:-'tst_calc_arithmetic|tst_calc_without_father|tst_calc_with_father|tst_calc_grandfather|tst_calc_properties|tst_working|tst_calc_cli'}
read -r -a targets <<< "${MUTATION_TARGETS:-tst_calc_arithmetic tst_calc_without_father tst_calc_with_father tst_calc_grandfather tst_calc_properties tst_working tst_calc_cli tarnavel-calc}"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo ${CMAKE_ARGS:-} >/dev/null
cmake --build "$build" --target "${targets[@]}" -j"$(nproc)" >/dev/null || { echo "build failed"; exit 2; }
killed=0; total=0
while IFS='|' read -r file original mutated; do
  [[ -z $file || $file == \#* ]] && continue
  total=$((total + 1))
  cp "$file" "$file.orig"
  python3 - "$file" "$original" "$mutated" <<'PY' || { mv "$file.orig" "$file"; echo "mutant $total: text not found in $1"; continue; }
import sys
path, old, new = sys.argv[1:]
text = open(path).read()
if text.count(old) != 1:
    sys.exit(1)
open(path, 'w').write(text.replace(old, new))
PY
  if ! cmake --build "$build" --target "${targets[@]}" -j"$(nproc)" >/dev/null 2>&1; then
    verdict="killed (does not build)"; killed=$((killed + 1))
  elif ctest --test-dir "$build" -R "$tests" >/dev/null 2>&1; then
    verdict="SURVIVED"
  else
    verdict="killed"; killed=$((killed + 1))
  fi
  mv "$file.orig" "$file"
  touch "$file"   # the copy is older than the mutant's objects: rebuild from it
  echo "mutant $total ($file: ${original:0:60}): $verdict"
done < "${2:-tools/mutation/mutants.txt}"
cmake --build "$build" --target "${targets[@]}" -j"$(nproc)" >/dev/null
echo "killed $killed of $total"
