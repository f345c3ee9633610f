# Options for running the sanitizer build's tests: sourced by scripts/test.sh.
# Leak checking on; any report fails the test.
here_sanitizers="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:halt_on_error=1:detect_stack_use_after_return=0:strict_string_checks=0"
export LSAN_OPTIONS="suppressions=$here_sanitizers/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

# QtWebEngine (Chromium) deletes one of its own objects with a mismatched
# size while a page is torn down: the whole report lies inside
# libQt6WebEngineCore, no frame of the program. ASan cannot suppress this
# kind of report by library, so only the test that loads the web engine
# (tests_platform) runs without this one check; every other test keeps it.
export ZRC_ASAN_WEBENGINE_OPTIONS="$ASAN_OPTIONS:new_delete_type_mismatch=0"
