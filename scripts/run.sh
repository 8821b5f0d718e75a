#!/bin/bash
# Sets up, builds and starts the editor on a fresh copy of the sample project.
# With a display the editor opens in a window; without one it runs under Xvfb
# and a screenshot of it is saved.
set -euo pipefail
source "$(dirname "$0")/env.sh"
"$ROOT/scripts/setup.sh"
configure_and_build "$TEST_ARCH" -DBUILD_TESTING=ON
dir="$ROOT/build/$TEST_ARCH"
project="$ROOT/build/project"
rm -rf "$project"
mkdir -p "$project"
# The sample project is drawn by the build (tools/samplegen).
cp -r "$dir/sample-project/." "$project/"
cp "$dir/app/Editor.exe" "$dir/app/Vox.dll" "$project/"
cd "$project"
if [ -n "${DISPLAY:-}" ]; then
  exec "$dir/wine-run" ./Editor.exe
fi
dfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$dfile" 2>/dev/null &
xpid=$!
for _ in $(seq 200); do [ -s "$dfile" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$dfile")"
rm -f "$dfile"
# A Wine desktop of its own draws the window frames and captions, which a
# bare X server without a window manager would leave out.
"$dir/wine-run" explorer /desktop=Vantor4,1280x1024 ./Editor.exe &
epid=$!
sleep "${SHOT_DELAY:-8}"
shot="$ROOT/build/editor-screenshot.png"
import -window root "$shot"
echo "run: the editor runs under Xvfb; screenshot: $shot"
kill "$epid" 2>/dev/null || true
WINEPREFIX="$dir/wineprefix" wineserver -k 2>/dev/null || true
kill "$xpid" 2>/dev/null || true
