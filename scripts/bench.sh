#!/bin/bash
# Runs the benchmarks, each section named on the command line (all when none
# is named):
#   stage    the stage benchmark, built on the host (optimised, without
#            sanitizers) and run in a scratch folder;
#   view     the stage editor's view painting and flood fill, built with the
#            Windows build the tests use and run under Wine;
#   bmpconv  the bitmap conversion against a table-lookup pass, built on the
#            host like the stage benchmark;
#   startup  the editor's start-up, built with the Windows build the tests
#            use and run under Wine (RUNS=n runs of each case, default 5);
#            not while that build's tests run: they share its Wine prefix,
#            where only one editor runs at a time.
#   list     the record list's refill and paste of 999 records against a
#            plain list box fill, under Wine (RUNS=n, default 20).
#   anime    the database sheet's animation preview paced by the idle step:
#            tick interval and p99 jitter against 60 frames a second, and the
#            CPU taken with an animation page and with another page shown,
#            under Wine (SECONDS_PER_CASE=n, default 10).
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
jobs="${JOBS:-4}"
sections=("$@")
[ ${#sections[@]} -gt 0 ] || sections=(stage view bmpconv startup list anime)

run_stage() {
  local out="$ROOT/build/bench"
  cmake -S "$ROOT" -B "$out" -DCMAKE_BUILD_TYPE=Release -DENABLE_SANITIZERS=OFF -DBUILD_BENCH=ON -DBUILD_TESTING=OFF >/dev/null
  cmake --build "$out" -j "$jobs" --target stage_bench
  local work
  work="$(mktemp -d)"
  (cd "$work" && "$out/bench/stage_bench")
  rm -rf "$work"
}

run_bmpconv() {
  local out="$ROOT/build/bench"
  cmake -S "$ROOT" -B "$out" -DCMAKE_BUILD_TYPE=Release -DENABLE_SANITIZERS=OFF -DBUILD_BENCH=ON -DBUILD_TESTING=OFF >/dev/null
  cmake --build "$out" -j "$jobs" --target bmpconv_bench
  local work
  work="$(mktemp -d)"
  (cd "$work" && "$out/bench/bmpconv_bench")
  rm -rf "$work"
}

run_startup() {
  source "$ROOT/scripts/env.sh"
  local dir="$ROOT/build/$TEST_ARCH"
  cmake -S "$ROOT" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-$TEST_ARCH.cmake" -DBUILD_BENCH=ON \
    -DBUILD_TESTING=ON >/dev/null
  cmake --build "$dir" -j "$jobs" --target startup_bench
  # the benchmark makes and removes its projects in Wine's temp folder
  "$dir/wine-run" "$dir/bench/startup_bench.exe" "${RUNS:-5}"
}

run_view() {
  source "$ROOT/scripts/env.sh"
  local dir="$ROOT/build/$TEST_ARCH"
  cmake -S "$ROOT" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-$TEST_ARCH.cmake" -DBUILD_BENCH=ON \
    -DBUILD_TESTING=ON >/dev/null
  cmake --build "$dir" -j "$jobs" --target view_bench
  local work
  work="$(mktemp -d)"
  (cd "$work" && "$dir/wine-run" "$dir/bench/view_bench.exe")
  rm -rf "$work"
}

run_list() {
  source "$ROOT/scripts/env.sh"
  local dir="$ROOT/build/$TEST_ARCH"
  cmake -S "$ROOT" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-$TEST_ARCH.cmake" -DBUILD_BENCH=ON \
    -DBUILD_TESTING=ON >/dev/null
  cmake --build "$dir" -j "$jobs" --target list_bench
  "$dir/wine-run" "$dir/bench/list_bench.exe" "${RUNS:-20}"
}

run_anime() {
  source "$ROOT/scripts/env.sh"
  local dir="$ROOT/build/$TEST_ARCH"
  cmake -S "$ROOT" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-$TEST_ARCH.cmake" -DBUILD_BENCH=ON \
    -DBUILD_TESTING=ON >/dev/null
  cmake --build "$dir" -j "$jobs" --target anime_bench
  local work
  work="$(mktemp -d)"
  (cd "$work" && "$dir/wine-run" "$dir/bench/anime_bench.exe" "${SECONDS_PER_CASE:-10}")
  rm -rf "$work"
}

for s in "${sections[@]}"; do
  case $s in
    stage) run_stage ;;
    view) run_view ;;
    bmpconv) run_bmpconv ;;
    startup) run_startup ;;
    list) run_list ;;
    anime) run_anime ;;
    *) echo "bench: unknown section $s (stage, view, bmpconv, startup, list, anime)" >&2; exit 2 ;;
  esac
done
