#!/usr/bin/env bash
# Builds the project and runs every test; then builds everything again with
# AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/, no
# benchmarks) and runs the whole suite there too, leak checking on.
# ZRC_SKIP_SANITIZE=1 skips the second build (quick local runs only).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ZRC_BUILD_DIR:-$here/build}"
asan="${ZRC_SANITIZE_BUILD_DIR:-$here/build-asan}"
bash "$here/scripts/setup.sh"
(cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)")

if [[ "${ZRC_SKIP_SANITIZE:-}" == 1 ]]; then
  exit 0
fi
echo "== The same suite under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S "$here" -B "$asan" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZRC_SANITIZE=ON -DZRC_BUILD_BENCH=OFF >/dev/null
cmake --build "$asan" -j"$(nproc)"
source "$here/tests/sanitizers/env.sh"
cd "$asan"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" -E '^tests_platform$'
ASAN_OPTIONS="$ZRC_ASAN_WEBENGINE_OPTIONS" QT_QPA_PLATFORM=offscreen ctest --output-on-failure -R '^tests_platform$'
