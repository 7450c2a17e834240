#!/usr/bin/env bash
# Configures and builds everything into build/ (optimised), or with
# --sanitize the tests with AddressSanitizer and UndefinedBehaviorSanitizer
# into build-sanitize/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ "${1:-}" = --sanitize ]; then
  dir="$root/build-sanitize" options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DMINAMO_SANITIZE=ON)
else
  dir="$root/build" options=(-DCMAKE_BUILD_TYPE=Release)
fi
cmake -S "$root" -B "$dir" "${options[@]}" >/dev/null
cmake --build "$dir" -j"$(nproc)"
