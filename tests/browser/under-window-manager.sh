#!/bin/sh
# Runs the placement test of tests_browser on a virtual X display under
# openbox, where windows get real frames. Exit 77 (skipped) without them.
# The window manager may frame the windows after they are shown: the test
# waits for the frame, as the program must.
test_binary="$1"
if ! command -v openbox >/dev/null 2>&1 || ! command -v xvfb-run >/dev/null 2>&1; then
  echo "openbox or xvfb-run is not installed: skipped"
  exit 77
fi
exec xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
  openbox >/dev/null 2>&1 &
  wm=$!
  ZRC_TEST_UNDER_WM=1 QT_QPA_PLATFORM=xcb "$0"
  status=$?
  kill "$wm"
  exit "$status"' "$test_binary"
