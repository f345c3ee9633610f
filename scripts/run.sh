#!/usr/bin/env bash
# Builds what the program needs and starts it on the bundled sample data.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ZRC_BUILD_DIR:-$here/build}"

# Nothing to show it on: say so before building anything.
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && "${QT_QPA_PLATFORM:-}" != offscreen ]]; then
  echo "No display found. To run ZR角色助手 without a desktop, start it under a virtual one:" >&2
  echo "  xvfb-run -a bash scripts/run.sh" >&2
  exit 1
fi
# The program, its web-view plugin and the sample data; no tests, no benchmarks.
bash "$here/scripts/setup.sh" zrc_program
exec "$build/bin/zrc" "$@"
