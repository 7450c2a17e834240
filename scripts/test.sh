#!/usr/bin/env bash
# The test command: installs what is missing, builds, runs every test; then
# builds the same tests with AddressSanitizer and UndefinedBehaviorSanitizer
# and runs them again, where any finding (a leak of the program's own
# included) fails; then runs each fuzz target for 20 seconds from its
# corpus. Prints how long each stage took.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
stage() { # $1: name, then the command
  local name=$1 started=$SECONDS
  shift
  "$@"
  echo "== $name: $((SECONDS - started)) s"
}
run_tests() { (cd "$1" && ctest --output-on-failure -j"$(nproc)" | tee "$1/ctest.log"); }
tests_in() { sed -n 's/^100% tests passed, 0 tests failed out of \([0-9]*\)$/\1/p' "$1/ctest.log"; }

stage "install" "$root/scripts/install-deps.sh"
stage "build" "$root/scripts/build.sh"
stage "tests" run_tests "$root/build"
stage "package" "$root/tests/packaging/install_test.sh"

stage "sanitizer build" "$root/scripts/build.sh" --sanitize
export ASAN_OPTIONS="detect_leaks=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
stage "sanitizer tests" run_tests "$root/build-sanitize"

stage "fuzzing" "$root/scripts/fuzz.sh" 20

# Reached only when everything passed: each test program twice, the package
# once, each fuzz target once.
fuzz_targets=$(sed -n 's/^set(FUZZ_TARGETS \(.*\))$/\1/p' "$root/fuzz/CMakeLists.txt" | wc -w)
echo "all stages: $(($(tests_in "$root/build") + 1 + $(tests_in "$root/build-sanitize") + fuzz_targets)) passed, 0 failed"
