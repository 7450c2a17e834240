#!/usr/bin/env bash
# Runs the sound device test (the program given as the first argument)
# against a PulseAudio server of its own: a null sink, in a private runtime
# folder, stopped by its process id on exit. Then once more with no server to
# reach, for the play that finds no output device.
set -euo pipefail
test_program=$1
work=$(mktemp -d)
pids=()
cleanup() { # the last started first: the server goes after its clients
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    kill "${pids[i]}" 2>/dev/null || true
    wait "${pids[i]}" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

source "$(dirname "$0")/../support/null_sink.sh"
start_null_sink

"$test_program" --gtest_filter='-NoOutputDevice.*'
PULSE_SERVER="unix:$work/no-server" "$test_program" --gtest_filter='NoOutputDevice.*'
