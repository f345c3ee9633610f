#!/bin/sh
# Opens every window of the program as a player would, on a 1366 × 768 and a
# 1280 × 1000 screen under openbox, and checks from outside the program, by
# the window manager's frames (xwininfo, _NET_FRAME_EXTENTS), that each lies
# inside the screen. Exit 77 (skipped) without the tools.
# Usage: sh tests/access/windows-on-screen.sh build/bin/tests_access
test_binary="${1:?usage: $0 path/to/tests_access}"
for tool in openbox xvfb-run xprop xwininfo; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "$tool is not installed: skipped"
    exit 77
  fi
done
status=0
for screen in 1366x768 1280x1000; do
  echo "== screen $screen"
  xvfb-run -a -s "-screen 0 ${screen}x24" sh -c '
    openbox >/dev/null 2>&1 &
    wm=$!
    # Until openbox has taken the screen (at most about ten seconds).
    n=0
    while ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && [ $n -lt 100 ]; do
      n=$((n + 1)); sleep 0.1
    done
    ZRC_TEST_UNDER_WM=1 QT_QPA_PLATFORM=xcb "$0" windowsStayOnTheScreen
    result=$?
    kill "$wm"
    exit "$result"' "$test_binary" || status=1
done
exit "$status"
