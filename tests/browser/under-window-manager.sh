#!/bin/sh
# Runs the placement tests of a test program (tests_browser, tests_sheet;
# chosen by ZRC_TEST_UNDER_WM) on a virtual X display under openbox, where
# windows get real frames. Exit 77 (skipped) without them.
# The window manager runs before the program starts, as on a desktop: it
# frames each window as it is shown, without a move the program would see.
test_binary="$1"
if ! command -v openbox >/dev/null 2>&1 || ! command -v xvfb-run >/dev/null 2>&1 || ! command -v xprop >/dev/null 2>&1; then
  echo "openbox, xvfb-run or xprop is not installed: skipped"
  exit 77
fi
exec xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
  openbox >/dev/null 2>&1 &
  wm=$!
  # Until openbox has taken the screen (at most about ten seconds).
  n=0
  while ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && [ $n -lt 100 ]; do
    n=$((n + 1)); sleep 0.1
  done
  ZRC_TEST_UNDER_WM=1 QT_QPA_PLATFORM=xcb "$0"
  status=$?
  kill "$wm"
  exit "$status"' "$test_binary"
