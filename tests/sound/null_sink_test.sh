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

# Runtime folder, home (where the server keeps its cookie) and server
# address are the test's own, so that no other server is used or started.
mkdir -m 700 "$work/runtime" "$work/home"
export XDG_RUNTIME_DIR="$work/runtime" HOME="$work/home"
export PULSE_SERVER="unix:$work/runtime/pulse/native"

# As root (as in CI) the server warns that it is meant for a user and runs.
pulseaudio -n --daemonize=no --exit-idle-time=-1 \
  --load="module-null-sink sink_name=null" --load=module-native-protocol-unix \
  </dev/null >"$work/pulseaudio.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl info >/dev/null 2>&1 || { cat "$work/pulseaudio.log"; fail "the PulseAudio server did not start"; }

# An idle null sink works two seconds ahead, and a new stream can take back
# only its own latency of that, so its sound would start up to two seconds
# late (a sound card's sink takes back all it has worked ahead). A silent
# stream of low latency keeps the null sink as prompt as a sound card.
pacat --playback --raw --latency-msec=20 /dev/zero </dev/null &
pids+=($!)
sink_latency_usec() { LC_ALL=C pactl list sinks | awk '$1 == "Latency:" { print $2; exit }'; }
for _ in $(seq 50); do [ "$(sink_latency_usec)" -lt 50000 ] && break; sleep 0.1; done
[ "$(sink_latency_usec)" -lt 50000 ] || fail "the null sink stays $(sink_latency_usec) usec ahead"

"$test_program" --gtest_filter='-NoOutputDevice.*'
PULSE_SERVER="unix:$work/no-server" "$test_program" --gtest_filter='NoOutputDevice.*'
