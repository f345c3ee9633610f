#!/usr/bin/env bash
# Builds the program and starts it on the bundled sample data.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ZRC_BUILD_DIR:-$here/build}"
bash "$here/scripts/setup.sh"

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && "${QT_QPA_PLATFORM:-}" != offscreen ]]; then
  echo "No display found. To run ZR角色助手 without a desktop, start it under a virtual one:" >&2
  echo "  xvfb-run -a $build/bin/zrc" >&2
  exit 1
fi
# The embedded web views refuse to run as root without this.
if [[ $(id -u) -eq 0 ]]; then export QTWEBENGINE_DISABLE_SANDBOX=1; fi
exec "$build/bin/zrc" "$@"
