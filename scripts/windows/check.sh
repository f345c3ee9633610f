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
ndata="$host/bin"

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

wcli() { wine "$W/zrc-cli.exe" "$@"; }
ncli() { "$native" "$@"; }
# Both sides run in the same folder, so relative file names mean the same file.
crlf_pairs() { grep -c $'\r\r$' "$1" 2>/dev/null || true; }
same_run() { # same_run NAME ARGS... : native and Wine give equal output, errors and status
  local d="$work/runs" name=$1
  shift
  mkdir -p "$d"
  ncli "$@" >"$d/$name.n.out" 2>"$d/$name.n.err" </dev/null
  echo $? >"$d/$name.n.rc"
  wcli "$@" >"$d/$name.w.out" 2>"$d/$name.w.err" </dev/null
  echo $? >"$d/$name.w.rc"
  [[ $(crlf_pairs "$d/$name.w.out") -eq 0 ]] || return 1
  cmp -s <(tr -d '\r' <"$d/$name.n.out") <(tr -d '\r' <"$d/$name.w.out") &&
    cmp -s <(tr -d '\r' <"$d/$name.n.err") <(tr -d '\r' <"$d/$name.w.err") &&
    cmp -s "$d/$name.n.rc" "$d/$name.w.rc"
}

# Sheets for --from-sheet, from the native zrc-cli.
sheet_char=$("$buildgen" "$ndata" 1 7 | head -n 1 | cut -f1)
IFS=$'\t' read -r -a sheet_build < <("$buildgen" "$ndata" 1 7)
ncli sheet "${sheet_build[@]}" >"$work/sheet-utf8.txt"
{ printf '\xEF\xBB\xBF'; cat "$work/sheet-utf8.txt"; } >"$work/sheet-bom.txt"
iconv -f UTF-8 -t GBK <"$work/sheet-utf8.txt" >"$work/sheet-gbk.txt"

"$buildgen" "$ndata" "${ZRC_CHECK_BUILDS:-200}" >"$work/builds.tsv"
# Every character of the sample: the database's own list, in GBK.
mapfile -t characters < <(iconv -f GBK -t UTF-8 "$ndata/ZRCdata.dat" | tr -d '\r' |
  awk '/^\[/{s=$0} s=="[所有角色]" && /=/{sub(/^[^=]*=/,""); print}')

compare_all() { # compare_all CODEPAGE LOCALE
  local cp=$1
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
  cd "$work"

  local kind n total=0 diff=()
  for kind in "build --json" "sheet" "sheet --post"; do
    n=0 total=0 diff=()
    while IFS=$'\t' read -r -a picks; do
      total=$((total + 1))
      # shellcheck disable=SC2086
      if same_run "b$total" $kind "${picks[@]}"; then n=$((n + 1)); else diff+=("$total"); fi
    done <"$work/builds.tsv"
    check $((total - n)) "[$cp] $kind: $n of $total generated builds equal, no CR CR LF" "differ: ${diff[*]:0:10}"
  done

  n=0 diff=()
  for c in "${characters[@]}"; do
    if same_run best "best" "$c" --maximise 综合; then n=$((n + 1)); else diff+=("$c"); fi
  done
  check $((${#characters[@]} - n)) "[$cp] best CHARACTER --maximise 综合: $n of ${#characters[@]} characters equal" "${diff[*]:0:5}"

  n=0 diff=()
  local i exp speed
  for i in $(seq 1 50); do
    exp=$(( (i * 7919 * i) % 2000000 )) speed=$(( (i * 37) % 300 ))
    if same_run lv levelup "$exp" "$speed"; then n=$((n + 1)); else diff+=("$exp/$speed"); fi
  done
  check $((50 - n)) "[$cp] levelup EXP SPEED: $n of 50 pairs equal" "${diff[*]:0:5}"

  ncli db check >db.n 2>&1; echo $? >>db.n
  wcli db check >db.w 2>&1; echo $? >>db.w
  cmp -s <(sed "s|$ndata|DATA|g" db.n) <(tr -d '\r' <db.w | sed "s|$(printf '%s' "$wdata" | sed 's/\\/\\\\/g')|DATA|g; s|C:/$folder_name|DATA|g")
  check $? "[$cp] db check equal once the data folder is replaced"

  # A GBK profile with Chinese sections, keys and values.
  printf '[角色]\r\n名字=张三丰\r\n身高=二米\r\n[设置]\r\n颜色=红\r\n' | iconv -f UTF-8 -t GBK >ini.src
  cp ini.src ini.n && cp ini.src ini.w
  local r=0
  for k in 名字 身高; do
    cmp -s <(ncli ini get ini.n 角色 "$k" 2>&1; echo $?) <(wcli ini get ini.w 角色 "$k" 2>&1 | tr -d '\r'; echo $?) || r=1
  done
  ncli ini set ini.n 设置 颜色 蓝绿 >/dev/null 2>&1; ncli ini set ini.n 新节 新键 值€ >/dev/null 2>&1
  wcli ini set ini.w 设置 颜色 蓝绿 >/dev/null 2>&1; wcli ini set ini.w 新节 新键 值€ >/dev/null 2>&1
  cmp -s ini.n ini.w || r=1
  cmp -s <(ncli ini get ini.n 新节 新键) <(wcli ini get ini.w 新节 新键) || r=1
  check $r "[$cp] ini get and set on GBK: equal values, equal bytes written"

  r=0
  for f in sheet-gbk.txt sheet-bom.txt; do
    same_run "fs-$f" build --from-sheet "$f" || r=1
    grep -q . "runs/fs-$f.w.out" || r=1
  done
  ncli build --from-sheet - <sheet-gbk.txt >fs-stdin.n 2>&1
  wcli build --from-sheet - <sheet-gbk.txt >fs-stdin.w 2>&1
  cmp -s fs-stdin.n <(tr -d '\r' <fs-stdin.w) && grep -q . fs-stdin.n || r=1
  check $r "[$cp] build --from-sheet: GBK file, UTF-8 file with a BOM and standard input equal"

  rm -f card.n.png card.w.png
  ncli card --out card.n.png "$sheet_char" >/dev/null 2>&1
  wcli card --out card.w.png "$sheet_char" >/dev/null 2>&1
  local size_n size_w rect colours
  size_n=$(identify -format '%w %h' card.n.png 2>/dev/null)
  size_w=$(identify -format '%w %h' card.w.png 2>/dev/null)
  read -r x y w h < <("$buildgen" --name-rect "$ndata" "$sheet_char")
  colours=$(convert card.w.png -crop "${w}x${h}+${x}+${y}" +repage -format %k info: 2>/dev/null || echo 0)
  check $([[ -n "$size_w" && "$size_n" == "$size_w" && ${colours:-0} -gt 2 ]]; echo $?) \
    "[$cp] card --out: $size_w as natively ($size_n); the name's rectangle holds $colours colours"
  cd "$root"
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
timeout 120 wine cmd /c "set ZRC_STARTUP_PROBE=1&& C:\\$folder_name\\zrc.exe" >"$work/probe.txt" 2>&1
elapsed=$(( ($(date +%s%N) - start) / 1000000 ))
grep -q '^exposed' "$work/probe.txt" && grep -q 'translations[/\\]qtbase_zh_CN.qm' "$work/probe.txt"
check $? "zrc.exe starts ($elapsed ms to quit after painting) and loads translations/qtbase_zh_CN.qm" "$(tr -d '\r' <"$work/probe.txt" | head -c 300)"

wine "C:\\$folder_name\\zrc.exe" >"$work/zrc.txt" 2>&1 &
sleep 15
window=$(xdotool search --name 'ZR角色助手' 2>/dev/null | head -n 1)
if [[ -n "$window" ]]; then
  xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus "$window" 2>/dev/null
  # The character list has the focus: the next character, then Enter.
  xdotool key --delay 300 Down Down Return
  sleep 3
  import -window root "$out/windows-main.png"
fi
check $([[ -n "$window" && -s "$out/windows-main.png" ]]; echo $?) "zrc.exe shows its window; a character chosen by keys: $out/windows-main.png"
wine "$WINEPREFIX/drive_c/windows/system32/taskkill.exe" /im zrc.exe >/dev/null 2>&1
sleep 5
wineserver -k 2>/dev/null || true
user_config=$(find "$WINEPREFIX/drive_c/users" -name ZRCconfig.ini 2>/dev/null | head -n 1)
cmp -s "$legacy" "$work/legacy.before" && [[ -n "$user_config" ]] && iconv -f GBK -t UTF-8 "$user_config" | grep -q '来源=旧配置'
check $? "the old C:\\Windows\\ZRCconfig.ini is read on the first run; writes go to the user's own file (${user_config#"$WINEPREFIX/"})"
kill $xvfb 2>/dev/null
trap - EXIT

# The cross-built tests of the code without windows of its own.
cross="$out/cross"
cmake --build "$cross" -j"$jobs" --target tests_data tests_calculator tests_sheet >"$work/tests-build.log" 2>&1
check $? "cross-built tests_data, tests_calculator and tests_sheet" "$(tail -n 3 "$work/tests-build.log")"
qtbin="$(winepath -w "$(grep -m1 '^Qt6_DIR' "$cross/CMakeCache.txt" | sed 's/.*=//; s|/lib/cmake/Qt6||')/bin")"
qtplugins="$(winepath -w "$(grep -m1 '^Qt6_DIR' "$cross/CMakeCache.txt" | sed 's/.*=//; s|/lib/cmake/Qt6||')/plugins")"
for t in tests_data tests_calculator tests_sheet; do
  exe="$cross/bin/$t.exe"
  [[ -f "$exe" ]] || exe=$(find "$cross/tests" -name "$t.exe" | head -n 1)
  (cd "$cross/bin" && timeout 900 wine cmd /c "set PATH=$qtbin;%PATH%&& set QT_PLUGIN_PATH=$qtplugins&& set QT_QPA_PLATFORM=offscreen&& $(winepath -w "$exe") -o $t.txt,txt" >/dev/null 2>&1)
  rc=$?
  totals=$(grep -h '^Totals' "$cross/bin/$t.txt" 2>/dev/null | awk '{p+=$2; f+=$4; s+=$6} END {print p" passed, "f" failed, "s" skipped"}')
  check $rc "$t under Wine: $totals" "$(grep -h '^FAIL' "$cross/bin/$t.txt" 2>/dev/null | head -n 5)"
done

finish
