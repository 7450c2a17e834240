# Shared by the whole-program tests (sourced): a private X server, a work
# folder cleaned up on exit, screenshots into "$out", and waiting for the
# program's windows. Expects "$out" to be set.
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
shot() { import -window root "$out/$1.png" 2>/dev/null || true; }
fail() {
  [ -n "${DISPLAY:-}" ] && shot failure
  echo "FAIL: $*"
  exit 1
}

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb

visible() { xdotool search --onlyvisible --name "$1" 2>/dev/null || true; }

wait_for_window() { # $1: window name pattern; prints the window id
  timeout 20 xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n 1
}

# A window matching $1 other than $2, once $2 is no longer visible; prints its id.
wait_for_replacement() { # $1: pattern, $2: the window that must go, $3: tenths of a second
  local ids new
  for _ in $(seq "$3"); do
    ids=$(visible "$1")
    if ! grep -qx "$2" <<<"$ids"; then
      new=$(grep -vx "$2" <<<"$ids" | head -n 1 || true)
      [ -n "$new" ] && { echo "$new"; return 0; }
    fi
    sleep 0.1
  done
  return 1
}
