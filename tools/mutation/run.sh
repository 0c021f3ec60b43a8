#!/usr/bin/env bash
# A chosen list of mutants (tools/mutation/mutants.txt unless named) through the
# mutation tool (docs/testing.md); a line whose text no longer occurs is refused.
# Usage: tools/mutation/run.sh [build-dir] [mutants file]   (from any folder)
# The tool builds in its own scratch folder (build-mutation/), so build-dir is
# read only for the older calls that give it. MUTATION_TESTS (a regular
# expression over test names) keeps only the tests it names, e.g. for
# tools/mutation/distant_kindred.txt: MUTATION_TESTS='tst_distant_kindred|tst_engine$';
# each test brings the targets it runs (MUTATION_TARGETS is no longer needed).
set -euo pipefail
cd "$(dirname "$0")/../.."
list=${2:-tools/mutation/mutants.txt}
args=(--list "$list")
[[ -n ${MUTATION_TESTS:-} ]] && args+=(--tests "$MUTATION_TESTS")
exec python3 tools/mutation/mutate.py "${args[@]}"
