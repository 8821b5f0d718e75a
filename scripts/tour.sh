#!/bin/bash
# The screenshot tour: opens every window of the editor on the sample project
# under Xvfb and saves a picture of each as build/tour/<name>.png.
#   ./scripts/tour.sh            the whole tour
#   ./scripts/tour.sh 'Stage*'   the entries whose test names match (gtest filter)
set -euo pipefail
source "$(dirname "$0")/env.sh"
"$ROOT/scripts/setup.sh"
configure_and_build "$TEST_ARCH" -DBUILD_TESTING=ON
dir="$ROOT/build/$TEST_ARCH"
out="$ROOT/build/tour"
rm -rf "$out"
mkdir -p "$out"
dfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$dfile" 2>/dev/null &
xpid=$!
trap 'kill $xpid 2>/dev/null || true' EXIT
for _ in $(seq 200); do [ -s "$dfile" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$dfile")"
rm -f "$dfile"
export VTEST_TOUR_DIR="Z:${out//\//\\}"
(cd "$dir/tests" && "$dir/wine-run" ./test_tour.exe --gtest_filter="${1:-*}")
for bmp in "$out"/*.bmp; do
  [ -e "$bmp" ] || continue
  convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
done
ls "$out"
