#!/usr/bin/env bash
# Proves the Windows folder under Wine against the native zrc-cli on the same
# data, under code page 936 and again under 1252, then runs zrc.exe on a
# virtual screen and the cross-built tests. Run scripts/windows/build.sh
# first. One line per check; last, "N passed, M failed"; non-zero status on
# any failure. ZRC_CHECK_BUILDS sets how many generated builds (200).
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
[[ -f /work/env.sh ]] && source /work/env.sh || true

passed=0
failed=0
ok() { echo "ok      $*"; passed=$((passed + 1)); }
bad() { echo "FAILED  $*"; failed=$((failed + 1)); }
check() { # check CONDITION-STATUS LABEL [DETAIL]
  if [[ $1 -eq 0 ]]; then ok "$2"; else bad "$2${3:+: $3}"; fi
}
finish() {
  echo "$passed passed, $failed failed"
  [[ $failed -eq 0 ]]
  exit
}

need_packages wine wine64 locales xvfb xauth xdotool imagemagick unzip g++-mingw-w64-x86-64-posix

# Wine takes its code page from the locale: zh_CN.UTF-8 gives 936, en_US.UTF-8 1252.
for loc in zh_CN en_US; do
  if ! locale -a 2>/dev/null | grep -qx "$loc.utf8"; then
    sed -i "s/^# *\($loc.UTF-8 UTF-8\)/\1/" /etc/locale.gen
    grep -qx "$loc.UTF-8 UTF-8" /etc/locale.gen || echo "$loc.UTF-8 UTF-8" >> /etc/locale.gen
    locale-gen >/dev/null
  fi
done

host="$out/host"
native="$host/bin/zrc-cli"
buildgen="$host/tools/buildgen/zrc-buildgen"
zip="$out/$folder_name.zip"
for f in "$native" "$buildgen" "$zip"; do
  [[ -e "$f" ]] || { bad "missing $f (run scripts/windows/build.sh)"; finish; }
done
# A fresh prefix, and the ZIP unzipped into it as a player would.
work="$out/check"
export WINEPREFIX="$out/wine-check" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineserver -k 2>/dev/null || true
rm -rf "$work" "$WINEPREFIX"
mkdir -p "$work"
LANG=zh_CN.UTF-8 wineboot -i >/dev/null 2>&1
unzip -q "$zip" -d "$WINEPREFIX/drive_c/"
W="$WINEPREFIX/drive_c/$folder_name"
check $([[ -x "$W/zrc-cli.exe" && -f "$W/platforms/qwindows.dll" && -f "$W/translations/qtbase_zh_CN.qm" ]]; echo $?) \
  "ZIP unzips into a new prefix with the executables, plugins and translations"
wdata="C:\\$folder_name"

cat > "$work/acp.c" <<'EOF'
#include <windows.h>
#include <stdio.h>
int main(void) { printf("%u\n", GetACP()); return 0; }
EOF
x86_64-w64-mingw32-gcc-posix -O2 -o "$work/acp.exe" "$work/acp.c"

x86_64-w64-mingw32-gcc-posix -O2 -o "$work/wine-runner.exe" "$root/scripts/windows/wine-runner.c"
wexe="C:\\$folder_name\\zrc-cli.exe"

# Each comparison runs the native zrc-cli at once and queues the same
# command for Wine; one Wine session then runs the queue (wine-runner.c),
# since every Wine start costs seconds. NAME.n.* are native, NAME.w.* Wine's.
queue() { # queue NAME [@STDIN FILE] ARGS...
  local name=$1
  shift
  local input=/dev/null
  if [[ ${1:-} == @STDIN ]]; then
    input=$2
    printf 'runs/%s.w\t@STDIN\t%s\t%s' "$name" "$input" "$wexe" >>jobs.tsv
    shift 2
  else
    printf 'runs/%s.w\t%s' "$name" "$wexe" >>jobs.tsv
  fi
  printf '\t%s' "$@" >>jobs.tsv
  printf '\n' >>jobs.tsv
  "$native" "$@" >"runs/$name.n.out" 2>"runs/$name.n.err" <"$input"
  echo $? >"runs/$name.n.rc"
}
# Equal output, errors and status once line ends are normalised; no CR CR LF.
same() {
  local r=runs/$1
  [[ -f $r.w.rc ]] && ! grep -q $'\r\r$' "$r.w.out" &&
    cmp -s <(tr -d '\r' <"$r.n.out") <(tr -d '\r' <"$r.w.out") &&
    cmp -s <(tr -d '\r' <"$r.n.err") <(tr -d '\r' <"$r.w.err") &&
    cmp -s <(tr -d '\r' <"$r.n.rc") <(tr -d '\r' <"$r.w.rc")
}
count_same() { # count_same PREFIX N: how many of PREFIX1..PREFIXN are the same
  local i n=0
  for i in $(seq 1 "$2"); do same "$1$i" && n=$((n + 1)); done
  echo "$n"
}

ndata="$host/bin"
"$buildgen" "$ndata" "${ZRC_CHECK_BUILDS:-200}" >"$work/builds.tsv"
# Every character of the sample: the database's own list, in GBK.
mapfile -t characters < <(iconv -f GBK -t UTF-8 "$ndata/ZRCdata.dat" | tr -d '\r' |
  awk '/^\[/{s=$0} s=="[所有角色]" && /=/{sub(/^[^=]*=/,""); print}' | head -n "${ZRC_CHECK_CHARACTERS:-1000}")
levelups=${ZRC_CHECK_LEVELUPS:-50}
IFS=$'\t' read -r -a first_build <"$work/builds.tsv"
card_char=${first_build[0]}

compare_all() { # compare_all CODEPAGE LOCALE
  local cp=$1 dir="$work/$1"
  export LANG=$2 LC_ALL=$2
  wineserver -k 2>/dev/null || true
  local acp
  acp=$(wine "$work/acp.exe" | tr -d '\r')
  if [[ "$acp" != "$cp" ]]; then
    bad "Wine reports ANSI code page $acp, not $cp (LANG=$2)"
    [[ $cp == 936 ]] && finish
    return
  fi
  ok "[$cp] Wine's ANSI code page is $cp"
  mkdir -p "$dir/runs"
  cd "$dir" || return
  : >jobs.tsv

  local i=0 kind picks
  while IFS=$'\t' read -r -a picks; do
    i=$((i + 1))
    queue "json$i" build --json "${picks[@]}"
    queue "sheet$i" sheet "${picks[@]}"
    queue "post$i" sheet --post "${picks[@]}"
  done <"$work/builds.tsv"
  local builds=$i
  i=0
  for c in "${characters[@]}"; do
    i=$((i + 1))
    queue "best$i" best "$c" --maximise 综合
  done
  for i in $(seq 1 "$levelups"); do
    queue "levelup$i" levelup $(((i * 7919 * i) % 2000000)) $(((i * 37) % 300))
  done
  queue db db check

  # A GBK profile with Chinese sections, keys and values; each side sets its own copy.
  printf '[角色]\r\n名字=张三丰\r\n身高=二米\r\n[设置]\r\n颜色=红\r\n' | iconv -f UTF-8 -t GBK >ini.src
  cp ini.src ini.n && cp ini.src ini.w
  local k=0 side
  for side in n w; do
    k=0
    for args in "get ini.$side 角色 名字" "get ini.$side 角色 身高" "set ini.$side 设置 颜色 蓝绿" \
                "set ini.$side 新节 新键 值€" "get ini.$side 新节 新键"; do
      k=$((k + 1))
      # shellcheck disable=SC2086
      if [[ $side == n ]]; then
        "$native" ini $args >"runs/ini$k.n.out" 2>"runs/ini$k.n.err" </dev/null
        echo $? >"runs/ini$k.n.rc"
      else
        printf 'runs/ini%s.w\t%s\tini' "$k" "$wexe" >>jobs.tsv
        printf '\t%s' $args >>jobs.tsv
        printf '\n' >>jobs.tsv
      fi
    done
  done

  # Sheets for --from-sheet, written by the native zrc-cli from the first build.
  "$native" sheet "${first_build[@]}" >sheet-utf8.txt
  { printf '\xEF\xBB\xBF'; cat sheet-utf8.txt; } >sheet-bom.txt
  iconv -f UTF-8 -t GBK <sheet-utf8.txt >sheet-gbk.txt
  queue fsgbk build --from-sheet sheet-gbk.txt
  queue fsbom build --from-sheet sheet-bom.txt
  queue fsstdin @STDIN sheet-gbk.txt build --from-sheet -

  rm -f card.n.png card.w.png
  "$native" card --out card.n.png "$card_char" >/dev/null 2>&1
  printf 'runs/card.w\t%s\tcard\t--out\tcard.w.png\t%s\n' "$wexe" "$card_char" >>jobs.tsv

  local start=$SECONDS
  wine "$work/wine-runner.exe" jobs.tsv >/dev/null 2>&1
  echo "        ($(wc -l <jobs.tsv) commands under Wine in $((SECONDS - start)) s)"

  local n
  for kind in json sheet post; do
    n=$(count_same "$kind" "$builds")
    local what=$([[ $kind == json ]] && echo "build --json" || { [[ $kind == sheet ]] && echo sheet || echo "sheet --post"; })
    check $((builds - n)) "[$cp] $what: $n of $builds generated builds equal, no CR CR LF"
  done
  n=$(count_same best "${#characters[@]}")
  check $((${#characters[@]} - n)) "[$cp] best CHARACTER --maximise 综合: $n of ${#characters[@]} characters equal"
  n=$(count_same levelup "$levelups")
  check $((levelups - n)) "[$cp] levelup EXP SPEED: $n of $levelups pairs equal"

  local wpath
  wpath=$(printf '%s' "$wdata" | sed 's/\\/\\\\/g')
  sed -i "s|$ndata|DATA|g" runs/db.n.out runs/db.n.err
  sed -i "s|$wpath|DATA|g; s|C:/$folder_name|DATA|g" runs/db.w.out runs/db.w.err
  same db
  check $? "[$cp] db check equal once the data folder is replaced"

  local r=0
  for k in 1 2 3 4 5; do
    sed -i 's/ini\.n/ini.X/g' "runs/ini$k.n.out" "runs/ini$k.n.err"
    sed -i 's/ini\.w/ini.X/g' "runs/ini$k.w.out" "runs/ini$k.w.err"
    same "ini$k" || r=1
  done
  cmp -s ini.n ini.w || r=1
  check $r "[$cp] ini get and set on GBK: equal values, equal bytes written"

  r=0
  for k in fsgbk fsbom fsstdin; do
    same "$k" && grep -q . "runs/$k.w.out" || r=1
  done
  check $r "[$cp] build --from-sheet: GBK file, UTF-8 file with a BOM, standard input equal"

  local size_n size_w colours x y w h
  size_n=$(identify -format '%w %h' card.n.png 2>/dev/null)
  size_w=$(identify -format '%w %h' card.w.png 2>/dev/null)
  read -r x y w h < <("$buildgen" --name-rect "$ndata" "$card_char")
  colours=$(convert card.w.png -crop "${w}x${h}+${x}+${y}" +repage -format %k info: 2>/dev/null || echo 0)
  check $([[ -n "$size_w" && "$size_n" == "$size_w" && ${colours:-0} -gt 2 ]]; echo $?) \
    "[$cp] card --out: ${size_w:-no picture} as natively (${size_n}); the name's rectangle holds ${colours:-0} colours"
  cd "$root" || exit 1
}

compare_all 936 zh_CN.UTF-8
compare_all 1252 en_US.UTF-8
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
wineserver -k 2>/dev/null || true

# zrc.exe on a virtual screen, as a returning user whose only configuration
# is the old one in C:\Windows.
data_version=$(iconv -f GBK -t UTF-8 "$ndata/ZRCdata.dat" | tr -d '\r' | awk -F= '/^数据版本=/{print $2; exit}')
legacy="$WINEPREFIX/drive_c/windows/ZRCconfig.ini"
printf '[zrv]\r\nfver=3.2\r\nsver=%s\r\n[check]\r\n来源=旧配置\r\n' "$data_version" | iconv -f UTF-8 -t GBK >"$legacy"
cp "$legacy" "$work/legacy.before"
display=$((90 + RANDOM % 400))
Xvfb ":$display" -screen 0 1280x1000x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
sleep 2
export DISPLAY=":$display"
start=$(date +%s%N)
# Wine passes this variable on (it keeps back only QT_* ones).
ZRC_STARTUP_PROBE=1 timeout 120 wine "C:\\$folder_name\\zrc.exe" >"$work/probe.txt" 2>&1
elapsed=$(( ($(date +%s%N) - start) / 1000000 ))
grep -q '^exposed' "$work/probe.txt" && grep -q 'translations[/\\]qtbase_zh_CN.qm' "$work/probe.txt"
check $? "zrc.exe starts ($elapsed ms to quit after painting) and loads translations/qtbase_zh_CN.qm" "$(tr -d '\r' <"$work/probe.txt" | head -c 300)"

wine "C:\\$folder_name\\zrc.exe" >"$work/zrc.txt" 2>&1 &
sleep 15
window=$(xdotool search --name '^ZR角色助手$' 2>/dev/null | head -n 1)
if [[ -n "$window" ]]; then
  import -window root "$work/before-keys.png"
  # A click gives the character list the focus (there is no window manager
  # to give it); the arrow keys and Enter choose the second character.
  xdotool mousemove --window "$window" 284 33 click 1
  sleep 2
  xdotool key --delay 500 Down Down Return
  sleep 4
  import -window root "$out/windows-main.png"
fi
check $([[ -n "$window" && -s "$out/windows-main.png" ]] && ! cmp -s <(convert "$work/before-keys.png" rgb:-) <(convert "$out/windows-main.png" rgb:-); echo $?) \
  "zrc.exe shows its window; a character chosen by keys: $out/windows-main.png"
wine "$WINEPREFIX/drive_c/windows/system32/taskkill.exe" /im zrc.exe >/dev/null 2>&1
sleep 5
wineserver -k 2>/dev/null || true
user_config=$(find "$WINEPREFIX/drive_c/users" -name ZRCconfig.ini 2>/dev/null | head -n 1)
cmp -s "$legacy" "$work/legacy.before" && [[ -n "$user_config" ]] && iconv -f GBK -t UTF-8 "$user_config" | grep -q '来源=旧配置'
check $? "the old C:\\Windows\\ZRCconfig.ini is read on the first run; writes go to the user's own file (${user_config#"$WINEPREFIX/"})"
kill $xvfb 2>/dev/null
trap - EXIT

# The cross-built tests of the code without windows of its own, offscreen
# with the host's Chinese font.
cross="$out/cross"
cmake --build "$cross" -j"$jobs" --target tests_data tests_calculator tests_sheet >"$work/tests-build.log" 2>&1
check $? "cross-built tests_data, tests_calculator and tests_sheet" "$(tail -n 3 "$work/tests-build.log")"
qt=$(sed -n 's|^Qt6_DIR:PATH=\(.*\)/lib/cmake/Qt6$|\1|p' "$cross/CMakeCache.txt")
for dll in Qt6Core Qt6Gui Qt6Widgets Qt6Network Qt6Test libstdc++-6 libgcc_s_seh-1 libwinpthread-1; do
  cp -u "$qt/bin/$dll.dll" "$cross/bin/"
done
mkdir -p "$cross/bin/platforms" "$cross/bin/imageformats"
cp -u "$qt/plugins/platforms/qoffscreen.dll" "$qt/plugins/platforms/qwindows.dll" "$cross/bin/platforms/" # the tests offscreen, zrc-cli card on windows
cp -u "$qt/plugins/imageformats/"*.dll "$cross/bin/imageformats/"
fontdir=$(winepath -w "$(dirname "$(fc-match -f '%{file}' 'WenQuanYi Micro Hei')")")
for t in tests_data tests_calculator tests_sheet; do
  [[ -f "$cross/bin/$t.exe" ]] || { bad "$t.exe was not built"; continue; }
  # Without a console, Qt Test logs through OutputDebugString: Wine's
  # debugstr channel shows it.
  (cd "$cross/bin" && WINEDEBUG=-all,+debugstr timeout 1200 wine cmd /c \
    "set QT_QPA_PLATFORM=offscreen&& set QT_QPA_FONTDIR=$fontdir&& $t.exe" >"$t.txt" 2>&1)
  rc=$?
  totals=$(grep -ao 'Totals: [0-9]* passed, [0-9]* failed, [0-9]* skipped' "$cross/bin/$t.txt" |
    awk '{p+=$2; f+=$4; s+=$6} END {print p+0" passed, "f+0" failed, "s+0" skipped"}')
  check $rc "$t under Wine: $totals" "$(grep -ao 'FAIL!  : [^(]*' "$cross/bin/$t.txt" | sort -u | head -n 5 | tr '\n' ' ')"
  grep -ao 'SKIP   : [^\\]*' "$cross/bin/$t.txt" | sed 's/^/        /'
done

finish
