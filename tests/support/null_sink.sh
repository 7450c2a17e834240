# Sourced by tests that play sound: a PulseAudio server of the test's own
# with a null sink named "null", in a private runtime folder under "$work",
# its process ids added to "pids" (stop them in reverse order: the server
# after its clients). Expects "$work", "pids" and "fail" to be set.

start_null_sink() {
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
  local _
  for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
  pactl info >/dev/null 2>&1 || { cat "$work/pulseaudio.log"; fail "the PulseAudio server did not start"; }

  # An idle null sink works two seconds ahead, and a new stream can take back
  # only its own latency of that, so its sound would start up to two seconds
  # late (a sound card's sink takes back all it has worked ahead). A silent
  # stream of low latency keeps the null sink as prompt as a sound card.
  pacat --playback --raw --latency-msec=20 /dev/zero </dev/null &
  pids+=($!)
  for _ in $(seq 50); do [ "$(null_sink_latency_usec)" -lt 50000 ] && break; sleep 0.1; done
  [ "$(null_sink_latency_usec)" -lt 50000 ] || fail "the null sink stays $(null_sink_latency_usec) usec ahead"
}

null_sink_latency_usec() { LC_ALL=C pactl list sinks | awk '$1 == "Latency:" { print $2; exit }'; }

# Records what the null sink plays, 8000 samples a second of signed 16-bit
# mono, into $1 until the test ends.
record_null_sink() {
  parec --device=null.monitor --raw --format=s16le --channels=1 --rate=8000 --latency-msec=20 "$1" </dev/null &
  pids+=($!)
}

# The largest sample in such a recording, 0 for silence.
loudest_sample() {
  od -A n -v -t d2 "$1" | awk '{ for (i = 1; i <= NF; i++) { v = $i < 0 ? -$i : $i; if (v > m) m = v } } END { print m + 0 }'
}
