#!/usr/bin/env bash
# Fuzzes every target with clang's libFuzzer for SECONDS each (default 60),
# starting from the committed seed corpus (tests/fuzz/corpus/<target>).
# Builds with clang, AddressSanitizer and UndefinedBehaviorSanitizer in
# build-fuzz/. New inputs gather in build-fuzz/corpus/<target>, failing
# inputs in build-fuzz/crashes/<target>/; replay one with
#   build-fuzz/fuzz/fuzz_<target> FILE
# Leaks are left to the sanitizer suite of scripts/test.sh: checking them
# after every input would cost most of the time here.
# Usage: scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ZRC_FUZZ_BUILD_DIR:-$here/build-fuzz}"
seconds="${1:-60}"
shift || true
targets=("$@")
((${#targets[@]})) || targets=(profile_text profile_document profile_file records engine pages)

CC=clang CXX=clang++ cmake -S "$here" -B "$build" -DZRC_FUZZ=ON -DZRC_BUILD_BENCH=OFF \
  -DZRC_WITH_WEBENGINE=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${targets[@]/#/fuzz_}"

source "$here/tests/sanitizers/env.sh"
export QT_QPA_PLATFORM=offscreen
status=0
total=0
for t in "${targets[@]}"; do
  corpus="$build/corpus/$t"
  crashes="$build/crashes/$t"
  mkdir -p "$corpus" "$crashes"
  log="$build/fuzz-$t.log"
  maxlen=4096
  [[ $t == engine ]] && maxlen=192
  if "$build/fuzz/fuzz_$t" -max_total_time="$seconds" -max_len=$maxlen -print_final_stats=1 -detect_leaks=0 -timeout=10 -rss_limit_mb=2048 \
       -artifact_prefix="$crashes/" "$corpus" "$here/tests/fuzz/corpus/$t" >"$log" 2>&1; then
    result=passed
  else
    result=FAILED
    status=1
  fi
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo 0)
  total=$((total + ${runs:-0}))
  printf '%-18s %12s executions  %s\n' "$t" "${runs:-0}" "$result"
  [[ $result == passed ]] || tail -30 "$log"
done
printf '%-18s %12s executions\n' all "$total"
exit $status
