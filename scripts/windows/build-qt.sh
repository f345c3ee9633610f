#!/usr/bin/env bash
# Qt 6.4.2 (qtbase) for Windows x86_64, cross-built with Debian's MinGW-w64,
# and prints its prefix on the last line. In order of preference:
#   - ZRC_QT_MINGW=DIR: a tree built before (checked, not rebuilt);
#   - build-windows/qt-6.4.2-mingw-w64-x86_64 when it is already complete;
#   - the prebuilt archive in ../shared/windows/ beside the repository,
#     unpacked there (ZRC_QT_FROM_SOURCE=1 ignores it);
#   - otherwise built from Debian's source package qt6-base: about
#     35 CPU-minutes and 1.3 GB of build folder under build-windows/qt-build.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

prefix="${ZRC_QT_MINGW:-$out/$qt_name}"
complete() {
  local f
  for f in bin/Qt6Core.dll bin/Qt6Gui.dll bin/Qt6Widgets.dll bin/Qt6Network.dll bin/Qt6Test.dll \
           bin/libstdc++-6.dll bin/libgcc_s_seh-1.dll bin/libwinpthread-1.dll \
           plugins/platforms/qwindows.dll plugins/styles/qwindowsvistastyle.dll \
           plugins/imageformats/qjpeg.dll plugins/imageformats/qgif.dll plugins/imageformats/qico.dll \
           plugins/tls/qschannelbackend.dll lib/cmake/Qt6/Qt6Config.cmake; do
    [[ -e "$1/$f" ]] || return 1
  done
}

if complete "$prefix"; then
  echo "$prefix"
  exit 0
fi
if [[ -n "${ZRC_QT_MINGW:-}" ]]; then
  echo "build-qt: ZRC_QT_MINGW=$ZRC_QT_MINGW is not a complete Qt tree" >&2
  exit 1
fi

mkdir -p "$out"
archive="$root/../shared/windows/$qt_name.tar.xz"
if [[ -f "$archive" && -z "${ZRC_QT_FROM_SOURCE:-}" ]]; then
  echo "build-qt: unpacking $archive" >&2
  rm -rf "$prefix"
  tar -C "$out" -xJf "$archive"
  complete "$prefix" || { echo "build-qt: $archive does not hold a complete tree" >&2; exit 1; }
  echo "$prefix"
  exit 0
fi

# From source. Debian's own qtbase source, Debian's compilers; the host Qt
# (same version) gives moc, rcc and the other build tools.
need_packages dpkg-dev g++-mingw-w64-x86-64-posix ninja-build cmake perl qt6-base-dev qt6-base-dev-tools xz-utils
work="$out/qt-build"
mkdir -p "$work"
cd "$work"
if [[ ! -d src ]]; then
  if ! ls /etc/apt/sources.list.d/zrc-src.list >/dev/null 2>&1 && ! grep -rqs '^deb-src .*bookworm' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    [[ $(id -u) -eq 0 ]] || { echo "build-qt: needs a deb-src line for bookworm (run as root to add one)" >&2; exit 1; }
    echo "deb-src http://deb.debian.org/debian bookworm main" > /etc/apt/sources.list.d/zrc-src.list
    echo "deb-src http://deb.debian.org/debian bookworm-updates main" >> /etc/apt/sources.list.d/zrc-src.list
    echo "deb-src http://deb.debian.org/debian-security bookworm-security main" >> /etc/apt/sources.list.d/zrc-src.list
    apt-get update -qq
  fi
  rm -rf fetch && mkdir fetch
  (cd fetch && apt-get source --download-only qt6-base=6.4.2+dfsg-10 >&2 || apt-get source --download-only qt6-base >&2)
  # Unpacked as apt-get source would, Debian's patches applied.
  dpkg-source -x fetch/qt6-base_*.dsc src-unpacked >&2
  mv src-unpacked src
fi

toolchain="$root/scripts/windows/mingw-w64-x86_64.cmake"
start=$(now)
rm -rf build && mkdir build && cd build
# Debian drops src/3rdparty/wintab (so no tablet events, no Direct2D), and
# keeps the host Qt's CMake packages in the multiarch folder; DirectWrite 3
# would need Direct2D's font database class.
../src/configure -prefix "$prefix" -xplatform win32-g++ -qt-host-path /usr -release -shared \
  -nomake tests -nomake examples -no-pkg-config -no-opengl -no-feature-vulkan -no-dbus \
  -no-feature-sql -no-feature-printsupport -no-feature-concurrent -feature-testlib \
  -no-icu -no-openssl -schannel -qt-zlib -qt-pcre -qt-libpng -qt-libjpeg -qt-freetype \
  -qt-harfbuzz -qt-doubleconversion -no-direct2d -no-feature-tabletevent \
  -no-feature-androiddeployqt -- -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake -DFEATURE_directwrite3=OFF >&2
cmake --build . --parallel "$jobs" >&2
cmake --install . >&2
# The MinGW runtime beside Qt's DLLs, and everything stripped.
for dll in libstdc++-6.dll libgcc_s_seh-1.dll; do
  cp "$(x86_64-w64-mingw32-g++-posix -print-file-name="$dll")" "$prefix/bin/"
done
cp /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll "$prefix/bin/"
cp "$toolchain" "$prefix/"
find "$prefix" -name '*.dll' -exec x86_64-w64-mingw32-strip --strip-unneeded {} +
echo "build-qt: built in $(( $(now) - start )) s" >&2
complete "$prefix" || { echo "build-qt: the build did not give a complete tree" >&2; exit 1; }
echo "$prefix"
