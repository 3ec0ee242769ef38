#!/bin/sh
# Photographs the real program on a virtual X display: the splash while it
# is up, then the main window.  Usage: screenshot.sh BUILD_DIR
# Writes BUILD_DIR/orandel3-start-1.png and orandel3-start-2.png.
set -eu
build=${1:?build folder}
exec xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
  build=$1
  QT_QPA_PLATFORM=xcb "$build/app/orandel3" &
  pid=$!
  sleep 0.8
  "$build/app/screen_grab" "$build/orandel3-start-1.png"
  sleep 2.5
  "$build/app/screen_grab" "$build/orandel3-start-2.png"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
' sh "$build"
