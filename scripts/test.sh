#!/bin/bash
# Sets up, builds and runs every test: the Windows tests under Wine (with
# Xvfb when there is no display), the host build of the portable core under
# AddressSanitizer and UndefinedBehaviorSanitizer, and a bounded fuzz run over
# the data files.
set -euo pipefail
source "$(dirname "$0")/env.sh"
"$ROOT/scripts/setup.sh"

# The product: the 32-bit editor always builds.
configure_and_build i686
if [ "$TEST_ARCH" != i686 ]; then
  echo "test: this kernel runs no 32-bit programs; testing the 64-bit build under 64-bit Wine"
  configure_and_build "$TEST_ARCH"
fi

# One Wine server for the whole run. The display made here serves the prefix;
# each test program gets a display of its own (tests/CMakeLists.txt).
dir="$ROOT/build/$TEST_ARCH"
if [ -z "${DISPLAY:-}" ]; then
  dfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$dfile" 2>/dev/null &
  xpid=$!
  for _ in $(seq 200); do [ -s "$dfile" ] && break; sleep 0.05; done
  export DISPLAY=":$(head -n1 "$dfile")"
  rm -f "$dfile"
  trap 'kill $xpid 2>/dev/null || true; WINEPREFIX="$dir/wineprefix" wineserver -k 2>/dev/null || true' EXIT
fi
"$dir/wine-run" cmd /c exit 0 >/dev/null 2>&1 || true   # makes the prefix once
WINEPREFIX="$dir/wineprefix" wineserver -p 2>/dev/null || true

status=0
(cd "$dir" && ctest --output-on-failure -j "$JOBS") || status=1

# Host build of the portable core under the sanitizers.
native="$ROOT/build/native"
cmake -S "$ROOT" -B "$native" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=g++ -DCMAKE_C_COMPILER=gcc >/dev/null
cmake --build "$native" -j "$JOBS"
(cd "$native" && ctest --output-on-failure -j "$JOBS") || status=1

# The fuzz target over every data file, for a bounded time, from a seed
# corpus of valid files.
fuzz="$ROOT/build/fuzz"
cmake -S "$ROOT" -B "$fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang \
      -DBUILD_FUZZERS=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build "$fuzz" -j "$JOBS"
mkdir -p "$fuzz/corpus"
"$fuzz/fuzz/fuzz_seeds" "$fuzz/corpus"
if ! "$fuzz/fuzz/fuzz_files" -max_total_time="${FUZZ_SECONDS:-60}" -rss_limit_mb=2048 -malloc_limit_mb=1024 \
      -artifact_prefix="$fuzz/" "$fuzz/corpus" > "$fuzz/fuzz.log" 2>&1; then
  tail -n 60 "$fuzz/fuzz.log"
  echo "fuzz: a crash or leak was found; the input is saved under $fuzz/"
  status=1
else
  grep -E '^Done|stat::number_of_executed_units' "$fuzz/fuzz.log" || true
fi

# A closing line for the whole run.
if [ $status = 0 ]; then echo "test: all passed"; else echo "test: FAILED"; fi
exit $status
