#!/usr/bin/env bash
# Asks the Windows profile function for every read of cases.tsv, under Wine
# (needs g++-mingw-w64-x86-64-posix and wine), and writes reads.tsv.
# Run it again after changing make_cases.py; commit files/, cases.tsv and
# reads.tsv together.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
work="$(mktemp -d)"
trap 'WINEPREFIX="$work/prefix" wineserver -k 2>/dev/null; rm -rf "$work"' EXIT
python3 "$here/make_cases.py"
x86_64-w64-mingw32-gcc -O1 -o "$work/profile_probe.exe" "$here/profile_probe.c"
export WINEPREFIX="$work/prefix" WINEDEBUG=-all
# Code page 936, as on a Chinese Windows.
export LANG=zh_CN.GBK LC_ALL=zh_CN.GBK
wine "$work/profile_probe.exe" "$(winepath -w "$here/files")" "$(winepath -w "$here/cases.tsv")" \
  | tr -d '\r' > "$here/reads.tsv"
echo "$(wc -l < "$here/reads.tsv") reads written to reads.tsv"
