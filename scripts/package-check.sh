#!/usr/bin/env bash
# Builds the Debian package, installs it with apt-get into a fresh Debian 12
# root made by debootstrap (so a missing dependency shows), and checks the
# installed program there: every ELF file's libraries resolve, zrc starts
# under Xvfb and keeps its window up, zrc-cli works on the installed data,
# and nothing writes the installed data folder.
#
# Needs root, debootstrap and the Debian mirror; takes minutes. Not part of
# scripts/test.sh.
#
#   ZRC_PACKAGE_BUILD_DIR   build folder (default: build-package)
#   ZRC_PACKAGE_CACHE       keeps the debootstrap tarball and downloaded .debs
#                           (default: ~/.cache/zrc-package-check)
#   ZRC_DEBIAN_MIRROR       default: the first Debian mirror apt is set up with
#   ZRC_PACKAGE_SHOT        where to save a screenshot of the installed program
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ZRC_PACKAGE_BUILD_DIR:-$here/build-package}"
cache="${ZRC_PACKAGE_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zrc-package-check}"
shot="${ZRC_PACKAGE_SHOT:-$build/installed.png}"
suite=bookworm

step() { printf '\n== %s\n' "$*"; }
fail() { printf 'FAIL: %s\n' "$*" >&2; exit 1; }
pass() { printf 'ok: %s\n' "$*"; }

[[ $(id -u) -eq 0 ]] || fail "run as root (debootstrap and chroot need it)"
for tool in debootstrap dpkg-deb dpkg-shlibdeps cmake; do
  command -v "$tool" >/dev/null || fail "$tool is missing (apt-get install debootstrap dpkg-dev cmake)"
done

mirror_from_apt() {
  local uri
  uri=$(grep -hs '^URIs:' /etc/apt/sources.list.d/*.sources | awk '{print $2}' | grep -v security | head -n1 || true)
  [[ -n "$uri" ]] || uri=$(grep -hs "^deb .* $suite " /etc/apt/sources.list /etc/apt/sources.list.d/*.list \
                           | awk '{print $2}' | head -n1 || true)
  echo "${uri:-http://deb.debian.org/debian}"
}
mirror="${ZRC_DEBIAN_MIRROR:-$(mirror_from_apt)}"
security=$(grep -hs '^URIs:' /etc/apt/sources.list.d/*.sources | awk '{print $2}' | grep security | head -n1 || true)

# ---------------------------------------------------------------- the package
step "Building the package in $build"
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZRC_BUILD_TESTS=OFF -DZRC_BUILD_BENCH=OFF \
  "${launcher[@]}" >/dev/null
rm -f "$build"/zrc_*.deb
cmake --build "$build" -j"$(nproc)" --target package >"$build/package-build.log" 2>&1 \
  || { tail -n 30 "$build/package-build.log"; fail "the package did not build (see $build/package-build.log)"; }
deb=$(ls "$build"/zrc_*.deb 2>/dev/null | head -n1)
[[ -n "$deb" ]] || fail "no zrc_*.deb in $build"
pass "$(basename "$deb"), $(du -k "$deb" | cut -f1) KiB"
dpkg-deb --field "$deb" Package Version Architecture Installed-Size Depends Recommends Section
dpkg-deb --contents "$deb" | awk '{print $6}' | grep -Ev '/$' | sed 's/^\./  /'

# ----------------------------------------------------------- a fresh root
tarball="$cache/$suite-minbase.tar"
mkdir -p "$cache/archives/partial"
if [[ ! -s "$tarball" ]]; then
  step "Making a fresh $suite root from $mirror (once; kept in $tarball)"
  rm -rf "$cache/root.tmp"
  debootstrap --variant=minbase "$suite" "$cache/root.tmp" "$mirror" >"$cache/debootstrap.log" 2>&1 \
    || { tail -n 20 "$cache/debootstrap.log"; fail "debootstrap failed"; }
  tar -C "$cache/root.tmp" -cf "$tarball.tmp" . && mv "$tarball.tmp" "$tarball"
  rm -rf "$cache/root.tmp"
fi

root=$(mktemp -d /tmp/zrc-package-root.XXXXXX)
mounted=()
cleanup() {
  local i
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
    umount -R "${mounted[i]}" 2>/dev/null || umount -l "${mounted[i]}" 2>/dev/null || true
  done
  # Only remove the root once nothing is mounted inside it any more.
  if ! grep -q " $root/" /proc/mounts; then rm -rf "$root"; else echo "left $root: still mounted" >&2; fi
}
trap cleanup EXIT
mount_in() { # mount_in TARGET MOUNT-ARGS...
  local target="$root$1"; shift
  mkdir -p "$target"
  mount "$@" "$target"
  mounted+=("$target")
}

step "Unpacking the fresh root in $root"
tar -C "$root" -xf "$tarball"
mount_in /proc -t proc proc
mount_in /sys -t sysfs sysfs
mount_in /dev --rbind /dev
mount --make-rslave "$root/dev"
mount_in /var/cache/apt/archives --bind "$cache/archives"
cp /etc/resolv.conf "$root/etc/resolv.conf"
cat >"$root/etc/apt/sources.list" <<EOF
deb $mirror $suite main
deb $mirror $suite-updates main
EOF
[[ -z "$security" ]] || echo "deb $security $suite-security main" >>"$root/etc/apt/sources.list"
cp "$deb" "$root/tmp/"
in_root() { chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
            DEBIAN_FRONTEND=noninteractive LANG=C.UTF-8 "$@"; }

step "apt-get install ./$(basename "$deb") (no recommended packages)"
in_root apt-get update -qq
in_root sh -c "cd /tmp && apt-get install -y -qq --no-install-recommends ./$(basename "$deb")" \
  >"$build/package-install.log" 2>&1 || { tail -n 30 "$build/package-install.log"; fail "apt-get install failed"; }
pass "installed with $(grep -c '^Setting up' "$build/package-install.log") packages set up"

# ------------------------------------------------------------ the checks
step "Libraries of every ELF file in the package"
elves=0
while read -r file; do
  [[ -f "$root$file" && ! -L "$root$file" ]] || continue
  [[ "$(head -c 4 "$root$file" | od -An -c | tr -d ' ')" == '177ELF' ]] || continue
  elves=$((elves + 1))
  missing=$(in_root ldd "$file" </dev/null | grep 'not found' || true)
  [[ -z "$missing" ]] || fail "$file: $missing"
  pass "$file"
done < <(in_root dpkg -L zrc)
((elves >= 4)) || fail "expected zrc, zrc-cli, the web-view and the HTTP plugins, found $elves ELF files"

step "Installed files"
for f in /usr/bin/zrc /usr/bin/zrc-cli /usr/lib/zrc/zrc-webview.so /usr/lib/zrc/zrc-http.so /usr/share/zrc/ZRCdata.dat \
         /usr/share/zrc/ZRCendpoints.ini /usr/share/zrc/说明文档.txt /usr/share/zrc/ZRCimages/普通角色.jpg \
         /usr/share/applications/cn.zrc.assistant.desktop /usr/share/metainfo/cn.zrc.assistant.metainfo.xml \
         /usr/share/icons/hicolor/48x48/apps/cn.zrc.assistant.png \
         /usr/share/icons/hicolor/scalable/apps/cn.zrc.assistant.svg /usr/share/man/man1/zrc-cli.1.gz; do
  [[ -e "$root$f" ]] || fail "missing $f"
done
pass "program, plugin, data, desktop entry, metainfo, icons and manual pages in place"

step "zrc-cli on the installed data"
in_root useradd -m player
as_player() { chroot "$root" /usr/sbin/runuser -u player -- /usr/bin/env -i PATH=/usr/bin:/bin \
              HOME=/home/player LANG=C.UTF-8 QTWEBENGINE_DISABLE_SANDBOX=1 "$@"; }
touch "$root/tmp/before-run"
as_player zrc-cli --version
as_player zrc-cli --help >/dev/null || fail "zrc-cli --help"
as_player zrc-cli build --help >/dev/null || fail "zrc-cli build --help"
as_player zrc --version || fail "zrc --version"
json=$(as_player zrc-cli build --json 普通角色 ZYe=G Dji=11级) || fail "zrc-cli build --json"
grep -q '"character": "普通角色"' <<<"$json" || fail "zrc-cli build --json printed no character: $json"
pass "zrc-cli build --json 普通角色 ZYe=G Dji=11级: $(wc -l <<<"$json") lines of JSON, $(grep -o '"total": "[0-9]*"' <<<"$json" | head -n1)"

step "zrc under Xvfb"
in_root apt-get install -y -qq --no-install-recommends xvfb xauth x11-utils xdotool >>"$build/package-install.log" 2>&1 \
  || fail "could not install Xvfb in the root"
mkdir -p "$root/tmp/fb" && chmod 1777 "$root/tmp/fb"
cat >"$root/tmp/run-zrc.sh" <<'EOF'
#!/bin/sh
# Starts zrc, gives it time to come up, then reports its viewable windows.
# A Chinese desktop: Qt's own buttons come from qt6-translations-l10n. (The
# root has no locales; Qt reads the variable itself, the X tools need C.UTF-8.)
LANG=zh_CN.UTF-8 zrc >/tmp/fb/zrc.log 2>&1 &
pid=$!
sleep 12
if ! kill -0 "$pid" 2>/dev/null; then echo "zrc exited:"; cat /tmp/fb/zrc.log; exit 1; fi
shown=0
for id in $(xwininfo -root -tree | awk '/\("zrc" "zrc"\)/ {print $1}'); do
  if xwininfo -id "$id" | grep -q 'Map State: IsViewable'; then
    echo "shown: $(xwininfo -id "$id" | sed -n 's/^xwininfo: Window id: //p')"
    shown=$((shown + 1))
  fi
done
# For the screenshot: "随便看看" (look around) picks a character, whose
# record and picture then come from the installed data.
main=$(xwininfo -root -tree | awk '/ "ZR角色助手": \("zrc" "zrc"\)/ {print $1; exit}')
if [ -n "$main" ]; then
  xdotool mousemove --window "$main" 410 34 click 1
  sleep 3
else
  echo "no window named ZR角色助手 to click"
fi
cp /tmp/fb/Xvfb_screen0 /tmp/fb/screen.xwd 2>/dev/null || true
kill -0 "$pid" 2>/dev/null || { echo "zrc exited after the pick:"; cat /tmp/fb/zrc.log; exit 1; }
kill "$pid"
wait "$pid" 2>/dev/null || true
[ "$shown" -gt 0 ]
EOF
chmod 755 "$root/tmp/run-zrc.sh"
as_player xvfb-run -a -s "-screen 0 1280x1024x24 -fbdir /tmp/fb" /tmp/run-zrc.sh \
  || fail "zrc did not stay up with a window shown"
pass "zrc stayed up 12 s with its window shown"
if [[ -s "$root/tmp/fb/screen.xwd" ]] && command -v convert >/dev/null; then
  convert "xwd:$root/tmp/fb/screen.xwd" "$shot" && pass "screenshot: $shot"
fi

step "The installed data folder is left alone"
written=$(find "$root/usr/share/zrc" -newer "$root/tmp/before-run" | sed "s|^$root||")
[[ -z "$written" ]] || fail "written during the run: $written"
pass "nothing under /usr/share/zrc changed"

printf '\nPACKAGE CHECK PASSED: %s\n' "$(basename "$deb")"
