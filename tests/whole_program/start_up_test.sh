#!/usr/bin/env bash
# Starts the built program on a generated school tree in a real X server:
#  1. start-up hands over to the name list; a child picks a name with the
#     arrow keys and "1", comes back from the student menu with "0", and "0"
#     on the name list starts the menu program with "001" and ends the program;
#  2. with the criteria table missing it says which file, and ends with status 1
#     once the message is acknowledged, having written nothing.
# Screenshots go to the output folder given as the third argument.
set -euo pipefail
program=$1 generator=$2 out=$3
mkdir -p "$out"
source "$(dirname "$0")/x_session.sh"

new_school() { # $1: folder
  "$generator" "$1" >/dev/null
  cp "$program" "$1/ミナモドリル/"
}

# 1. A complete school.
new_school "$work/good"
started=$(date +%s%N)
"$work/good/ミナモドリル/ミナモドリル" &
app=$!; pids+=($app)
wait_for_window '^(ミナモドリル|elvanto)$' >/dev/null || fail "no first screen"
echo "first screen after $(( ($(date +%s%N) - started) / 1000000 )) ms"
names=$(wait_for_window '^elvanto$') || fail "start-up did not hand over to the name list"
wait_until 200 cover_gone || fail "name list: still covered after 20 s"
shot name-list
xdotool windowfocus --sync "$names" key Down Down 1
menu=$(wait_for_replacement '^elvanto$' "$names" 200) || fail "signing in did not open the student menu"
wait_until 200 cover_gone || fail "student menu: still covered after 20 s"
shot student-menu
xdotool windowfocus --sync "$menu" key 0
names=$(wait_for_replacement '^elvanto$' "$menu" 200) || fail "no way back to the name list"
wait_until 200 cover_gone || fail "name list: still covered after 20 s when back"
xdotool windowfocus --sync "$names" key 0
status=0
timeout 10 tail --pid="$app" -f /dev/null || fail "the program did not end after \"0\""
wait "$app" || status=$?
[ "$status" -eq 0 ] || fail "exit status $status after leaving for the menu"
for _ in $(seq 50); do [ -s "$work/good/起動/menu-started.log" ] && break; sleep 0.1; done
[ "$(cat "$work/good/起動/menu-started.log" 2>/dev/null)" = "001" ] || fail "the menu program was not started with 001"

# 2. The criteria table is missing.
new_school "$work/broken"
criteria="$work/broken/データ/ミナモドリル/タイム回数データ.txt"
rm "$criteria"
tree_sums() { find "$work/broken" -type f -print0 | sort -z | xargs -0 md5sum; }
before=$(tree_sums)
"$work/broken/ミナモドリル/ミナモドリル" 2>"$work/stderr" &
app=$!; pids+=($app)
box=$(wait_for_window '設定ファイルのエラー') || fail "no message box"
sleep 0.5
shot settings-missing
xdotool windowfocus --sync "$box" key Return
status=0
timeout 10 tail --pid="$app" -f /dev/null || fail "the program did not end"
wait "$app" || status=$?
[ "$status" -eq 1 ] || fail "exit status $status, expected 1"
[ "$before" = "$(tree_sums)" ] || fail "the failed start-up wrote files"
echo "PASS"
