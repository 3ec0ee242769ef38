#!/usr/bin/env bash
# Installs what is missing, builds the program in Release and starts it with
# the given arguments (an optional venue file).
set -euo pipefail
cd "$(dirname "$0")"

tools/install-deps.sh

cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DORANDEL_WITH_BENCH=OFF >/dev/null
cmake --build build-release -j "$(nproc)"

program=build-release/app/orandel3
if [ ! -x "$program" ]; then
  echo "The program orandel3 is not part of this build yet." >&2
  exit 1
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found. Start it on a desktop, or without one as:" >&2
  echo "  xvfb-run -a $0 $*" >&2
  exit 1
fi
exec "$program" "$@"
