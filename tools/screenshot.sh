#!/usr/bin/env bash
# Takes a picture of the main window on a class with results, on a virtual display.
#
#   tools/screenshot.sh [OUT.png] [BUILD-FOLDER]
#
# OUT.png defaults to kzobaan-screenshot.png in the build folder (default "build").
# Builds the program when needed, starts it under xvfb-run on the example competition
# with fresh settings, and saves the window (menu bar, tool bar, grid, tabs, status bar)
# as a PNG. Xvfb ends with the program.
set -euo pipefail
OUT="${1:-}"
[ -n "$OUT" ] && OUT="$(realpath -m "$OUT")"
cd "$(dirname "$0")/.."
BUILD="${2:-build}"
[ -n "$OUT" ] || OUT="$(realpath -m "$BUILD/kzobaan-screenshot.png")"
PROG="$BUILD/src/app/kzobaan"

if ! command -v xvfb-run >/dev/null 2>&1; then
  echo "screenshot: xvfb-run is missing; run scripts/install-deps (Debian package xvfb)." >&2
  exit 1
fi
if [ ! -f "$BUILD/CMakeCache.txt" ]; then
  cmake -S . -B "$BUILD" -G "$(command -v ninja >/dev/null 2>&1 && echo Ninja || echo 'Unix Makefiles')"
fi
cmake --build "$BUILD" --target kzobaan -j 2

# A 24-bit screen large enough for the window; the program saves its own picture.
QT_QPA_PLATFORM=xcb timeout 120 xvfb-run -a -s "-screen 0 1280x800x24" \
  "$PROG" --screenshot "$OUT" examples/voorbeeld.kzo
echo "screenshot: $OUT"
