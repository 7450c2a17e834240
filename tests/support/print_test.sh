# Sourced by the scripts of the print tests: "fail", the private CUPS server
# of tests/support/private_cups.sh, and every process started (in "pids")
# stopped on exit, the server first.
pids=()
cleanup() {
  stop_private_cups
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    kill "${pids[i]}" 2>/dev/null || true
    wait "${pids[i]}" 2>/dev/null || true
  done
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }
source "$(dirname "${BASH_SOURCE[0]}")/private_cups.sh"
