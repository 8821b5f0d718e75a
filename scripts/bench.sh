#!/bin/bash
# Builds the stage benchmark on the host (optimised, without sanitizers) and
# runs it in a scratch folder.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
out="$ROOT/build/bench"
cmake -S "$ROOT" -B "$out" -DCMAKE_BUILD_TYPE=Release -DENABLE_SANITIZERS=OFF -DBUILD_BENCH=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build "$out" -j "${JOBS:-4}" --target stage_bench
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
(cd "$work" && "$out/bench/stage_bench")
