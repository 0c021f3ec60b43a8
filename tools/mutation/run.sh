#!/usr/bin/env bash
# The chosen mutants of mutants.txt through the mutation tool (see
# docs/testing.md); a line whose text no longer occurs is refused, not counted.
# Usage: tools/mutation/run.sh [more options of mutate.py]
set -euo pipefail
cd "$(dirname "$0")/../.."
exec python3 tools/mutation/mutate.py --list tools/mutation/mutants.txt "$@"
