#!/bin/bash
# Builds the Windows echo backend with the MinGW-w64 cross compiler and runs
# its probe under Wine: 127.0.0.1 must answer. Needs the Debian packages
# g++-mingw-w64-x86-64-posix and wine; not part of scripts/test.sh.
# Under Wine the echo goes out through the host's ICMP sockets, so run it as
# root or where net.ipv4.ping_group_range admits the user.
set -euo pipefail
cd "$(dirname "$0")/.."

CXX=${CXX_MINGW:-x86_64-w64-mingw32-g++-posix}
OUT=build/wine
mkdir -p "$OUT"
for tool in "$CXX" wine; do
    command -v "$tool" >/dev/null || { echo "ping-wine: $tool is not installed" >&2; exit 2; }
done

"$CXX" -std=c++20 -O2 -Wall -Wextra -static -I src/assistants \
    -o "$OUT/ping_wine_probe.exe" \
    tests/assistants/wine/PingWineProbe.cpp src/assistants/PingWindows.cpp \
    -liphlpapi -lws2_32

export WINEPREFIX=${WINEPREFIX:-$PWD/$OUT/prefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
wine "$OUT/ping_wine_probe.exe"
