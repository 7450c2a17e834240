#!/usr/bin/env bash
# Time to the first window: the program on a generated school and a bare Qt
# Widgets program, in turn, RUNS times each, on an Xvfb display of SIZE
# (default 1024x768):   bench/first_window.sh [RUNS] [SIZE]
# Run after scripts/build.sh; prints each run's milliseconds and the medians.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-5} size=${2:-1024x768}
build="$root/build"
work=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb
"$build/tools/make_demo_school" "$work/school" --history 28 >/dev/null
cp "$build/demo-school/ミナモドリル/ミナモドリル" "$work/school/ミナモドリル/"
for run in $(seq "$runs"); do
  echo "program $("$build/bench/first_window" "$work/school/ミナモドリル/ミナモドリル")"
  echo "bare $("$build/bench/first_window" "$build/bench/bare_window")"
done | tee "$work/times"
for which in program bare; do
  awk -v w="$which" '$1 == w { print $2 }' "$work/times" | sort -n |
    awk -v w="$which" '{ t[NR] = $1 } END { printf "%s median %.1f ms\n", w, t[int((NR + 1) / 2)] }'
done
