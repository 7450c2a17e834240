#!/usr/bin/env bash
# The demo command: installs what is missing, builds, writes the demo school
# once (later runs keep its data) and starts the program on it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
school="$root/build/demo-school"
if [ ! -f "$school/パスデータ.txt" ]; then
  "$root/build/tools/make_demo_school" "$school" --history 28
fi
exec "$school/ミナモドリル/ミナモドリル"
