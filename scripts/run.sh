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
# Without a display the first step of the screenshot tour starts the editor
# under Xvfb, on a Wine desktop of its own that draws the window frames, on a
# copy of the sample project; it waits until the stage editor window is up and
# painted (a first run also waits for Wine to make its prefix) and saves it.
shots="$ROOT/build/run-shot"
rm -rf "$shots"
mkdir -p "$shots"
dfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$dfile" 2>/dev/null &
xpid=$!
trap 'kill $xpid 2>/dev/null || true' EXIT
for _ in $(seq 200); do [ -s "$dfile" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$dfile")"
rm -f "$dfile"
export VTEST_TOUR_DIR="Z:${shots//\//\\}"
(cd "$dir/tests" && "$dir/wine-run" ./test_tour.exe --gtest_filter='*/StageEditor' >/dev/null)
shot="$ROOT/build/editor-screenshot.png"
convert "$shots/stage_editor.bmp" "$shot"
WINEPREFIX="$dir/wineprefix" timeout 20 wineserver -w 2>/dev/null || true
echo "run: the editor ran under Xvfb; screenshot: $shot"
