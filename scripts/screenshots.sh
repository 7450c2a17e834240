#!/usr/bin/env bash
# Screenshots of the program for the README, made from a generated demo
# school in a private X server at the screens' own size, 1024 x 768: the
# name list, a run, the completion screen after it and a child's graph.
# Writes docs/screenshots/*.png; run it again when the screens change.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" >/dev/null
out="$root/docs/screenshots"
mkdir -p "$out"
source "$root/tests/whole_program/x_session.sh"
school="$work/school"
# Level 1 times out after 15 seconds, so that a run ends without answers.
"$root/build/tools/make_demo_school" "$school" --history 28 --minimum-time 1=3 >/dev/null
cp "$root/build/demo-school/ミナモドリル/ミナモドリル" "$school/ミナモドリル/"
"$school/ミナモドリル/ミナモドリル" >"$work/program.log" 2>&1 &
pids+=($!)
keep() { capture && cp "$work/screen.png" "$out/$1.png"; }

names=$(wait_for_window '^elvanto$') || fail "no name list"
wait_until 200 cover_gone || fail "the name list stayed covered"
xdotool windowfocus --sync "$names" key Down Down Down Down Down
sleep 0.5
keep name-list
xdotool windowfocus --sync "$names" key 1
menu=$(wait_for_replacement '^elvanto$' "$names" 200) || fail "no student menu"
wait_until 200 cover_gone || fail "the student menu stayed covered"
xdotool windowfocus --sync "$menu" key 1
drill=$(wait_for_window '^楠野塾$') || fail "no run"
sleep 3.5 # the picture aid appears after three seconds
keep drill
done_screen=$(wait_for_window '^終了$') || fail "no completion screen"
sleep 1.5
keep completion
xdotool windowfocus --sync "$done_screen" key Return
menu=$(wait_for_window '^elvanto$') || fail "no student menu after the run"
wait_until 200 cover_gone || fail "the student menu stayed covered"
xdotool mousemove 540 87 click 1 # 個人ﾀｲﾑ
sleep 1.5
xdotool mousemove 846 129 click 1 # グラフ
sleep 1.5
keep graph
echo "screenshots in $out"
