#!/usr/bin/env bash
# Installs what is missing, builds the program in Release and starts it with
# the given arguments (an optional venue file).
set -euo pipefail
cd "$(dirname "$0")"

# A window needs a display: say so before minutes of building.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found. Start it on a desktop, or without one as:" >&2
  echo "  xvfb-run -a $0 $*" >&2
  exit 1
fi

tools/install-deps.sh

# The program alone: no test programs, no benchmarks, warnings shown but not
# fatal.
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
  -DORANDEL_WITH_BENCH=OFF -DORANDEL_WERROR=OFF >/dev/null
cmake --build build-release -j "$(nproc)" --target orandel3

exec build-release/app/orandel3 "$@"
