#!/bin/sh
# The pictures of docs/ that show the program at a screen scale: the main
# window, the comparison window with its radar chart, each at 1, 1.5 and 2
# (QT_SCALE_FACTOR), and the card of a build at scale 1 and 2. Run from the
# source folder after building main_window_shot, comparison_window_shot and
# zrc-cli; needs xvfb-run, openbox and ImageMagick.
#   sh scripts/scale-shots.sh [BUILD_DIR]
set -e
build=${1:-build}
bin=$(cd "$build/bin" && pwd)
docs=$(pwd)/docs
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

: > "$work/config.ini"

shot() { # NAME SCALE SCREEN PROGRAM [ARG]...
  name=$1 scale=$2 screen=$3; shift 3
  cp "$work/config.ini" "$work/shot.ini"
  QT_SCALE_FACTOR=$scale xvfb-run -a -s "-screen 0 ${screen}x24" sh -c '
    openbox >/dev/null 2>&1 & sleep 1
    "$@" --data-dir "'"$bin"'" --config "'"$work/shot.ini"'" >/dev/null 2>&1 & sleep 7
    import -window root "'"$work/root.png"'"; kill $!' sh "$@"
  /usr/bin/convert "$work/root.png" -trim +repage -bordercolor black -border 12 "$docs/$name"
}

cd "$bin"
shot comparison-radar.png 1 3000x800 ./comparison_window_shot
for s in 1.5 2; do
  w=$(echo "$s" | awk '{ printf "%dx%d", 3000 * $1, 800 * $1 }')
  shot "main-window-x$s.png" "$s" "$w" ./main_window_shot
  shot "comparison-radar-x$s.png" "$s" "$w" ./comparison_window_shot
done
for s in 1 2; do
  ./zrc-cli card --out "$docs/card-x$s.png" --scale "$s" 陆星河 ZYe=PG Dji=45级 Xlian=训练Ⅱ Vip=VIP \
    Youxie1=中投+11 Youxie2=跑动+10 2>/dev/null
done
