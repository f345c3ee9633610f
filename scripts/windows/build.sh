#!/usr/bin/env bash
# Builds ZR角色助手 for Windows x86_64 on Debian 12 and writes
#   build-windows/zrc-3.2-windows-x64/      the folder a player runs
#   build-windows/zrc-3.2-windows-x64.zip   the same folder, zipped
# Steps: the Debian packages, the Qt tree (build-qt.sh), a native build of the
# tools the build runs (build-windows/host), the cross build
# (build-windows/cross), its installation into the folder, and CPack's ZIP.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
[[ -f /work/env.sh ]] && source /work/env.sh || true # a shared compiler cache, where there is one
# Debug information names the build folder; a clone elsewhere still shares the cache.
export CCACHE_NOHASHDIR=1

t0=$(now)
need_project_packages
need_packages g++-mingw-w64-x86-64-posix ninja-build zip
qt="$("$root/scripts/windows/build-qt.sh" | tail -n 1)"
t_qt=$(now)

host="$out/host"
cmake -S "$root" -B "$host" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZRC_WITH_WEBENGINE=OFF \
  -DZRC_BUILD_TESTS=OFF -DZRC_BUILD_BENCH=OFF >/dev/null
# The two tools the cross build runs, and what check.sh compares against.
cmake --build "$host" -j"$jobs" --target zrc-samplegen zrc-iconpixels zrc-buildgen zrc-cli zrc_sample
t_host=$(now)

cross="$out/cross"
QT_MINGW_PREFIX="$qt" cmake -S "$root" -B "$cross" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/scripts/windows/mingw-w64-x86_64.cmake" \
  -DCMAKE_PREFIX_PATH="$qt" -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DZRC_HOST_TOOLS_DIR="$host" -DZRC_WITH_WEBENGINE=OFF -DZRC_BUILD_TESTS=ON -DZRC_BUILD_BENCH=OFF >/dev/null
cmake --build "$cross" -j"$jobs" --target zrc zrc-cli zrc-http zrc_sample
t_cross=$(now)

folder="$out/$folder_name"
rm -rf "$folder" "$out/$folder_name.zip"
cmake --install "$cross" --prefix "$folder" --strip >/dev/null
(cd "$cross" && cpack -G ZIP -B "$out/cpack" >/dev/null)
mv "$out/cpack/$folder_name.zip" "$out/"
t_zip=$(now)

echo "Qt tree:        $qt ($(( t_qt - t0 )) s)"
echo "native tools:   $(( t_host - t_qt )) s"
echo "cross build:    $(( t_cross - t_host )) s"
echo "folder and ZIP: $(( t_zip - t_cross )) s"
echo "folder:         $folder ($(du -sm "$folder" | cut -f1) MB)"
echo "ZIP:            $out/$folder_name.zip ($(stat -c %s "$out/$folder_name.zip") bytes)"
