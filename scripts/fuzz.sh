#!/usr/bin/env bash
# Builds the fuzz targets with clang into build-fuzz/ and runs each one from
# its seed corpus (fuzz/corpus/<target>) for the given seconds, 20 unless
# said. New inputs go to a scratch folder, so the corpus changes only by
# hand; an input that crashes, hangs or trips a sanitizer is written to
# build-fuzz/findings/ and fails the run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-20}
build="$root/build-fuzz"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMINAMO_FUZZ=ON >/dev/null
read -r -a targets <<<"$(sed -n 's/^set(FUZZ_TARGETS \(.*\))$/\1/p' "$root/fuzz/CMakeLists.txt")"
cmake --build "$build" -j"$(nproc)" --target "${targets[@]/%/_fuzz}"
mkdir -p "$build/findings"
for target in "${targets[@]}"; do
  scratch=$(mktemp -d)
  log="$build/findings/$target.log"
  echo "== fuzzing $target for $seconds s"
  status=0
  "$build/fuzz/${target}_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$build/findings/$target-" "$scratch" "$root/fuzz/corpus/$target" >"$log" 2>&1 || status=$?
  rm -rf "$scratch"
  grep -E "^stat::(number_of_executed_units|new_units_added)" "$log" | sed 's/^/  /' || true
  if [ "$status" -ne 0 ]; then
    tail -n 40 "$log"
    echo "FAIL: $target found an input that fails (in $build/findings)"
    exit 1
  fi
done
