#!/usr/bin/env bash
# A teacher corrects and deletes runs through the built program in a real X
# server, on a generated school with four weeks of runs:
#   name list: End selects the last row (a teacher), "1" signs in;
#   student menu: "データ処理", a wrong password ("パスワードを入力して下さい",
#   Enter), then the school's password and "データ変更";
#   maintenance screen ("v"): a double-click on the first row, "消去", Enter
#   on OK; a double-click on the new first row, 12.5 typed as its seconds,
#   "変更して記録"; "戻る" back to the student menu.
# Then the results file is the old one without its first record, with the
# next record's seconds 12 and nothing else changed, and no temporary file
# is left. Screenshots go to the output folder given as the third argument.
set -euo pipefail
program=$1 generator=$2 out=$3
mkdir -p "$out"
rm -f "$out"/*.png
source "$(dirname "$0")/x_session.sh"
source "$(dirname "$0")/teacher_session.sh"
results="$data/ミナモドリル/成績累積データ.dat"
cp "$results" "$work/before.dat"
(( $(stat -c %s "$work/before.dat") >= 3 * 44 )) || fail "the demo school has fewer than three runs"

start_as_teacher
shot 1-teacher-menu
type_password x
click 450 369 # データ変更
sleep 1
shot 2-wrong-password
[ -z "$(visible '^v$')" ] || fail "a wrong password opened the maintenance screen"
xdotool key Return
sleep 0.5
click 510 314
xdotool key ctrl+a BackSpace
xdotool type --delay 40 "$password"
click 450 369
maintenance=$(wait_for_window '^v$') || fail "the right password did not open the maintenance screen"
wait_until_gone '^elvanto$' 100 || fail "the student menu stayed loaded behind the maintenance screen"
sleep 1
shot 3-maintenance-list

double_click 300 48 # the first row
sleep 0.7
shot 4-edit-panel
click 840 408 # 消去
sleep 0.7
shot 5-delete-question
xdotool key Return
sleep 1
size_before=$(stat -c %s "$work/before.dat")
[ "$(stat -c %s "$results")" -eq $(( size_before - 44 )) ] || fail "the delete did not take exactly one record out"
cmp -s <(tail -c +45 "$work/before.dat") "$results" || fail "the delete changed more than its record"
[ ! -e "$data/ミナモドリル/成績累積データtemp.dat" ] || fail "the delete left its temporary file"

double_click 300 48
sleep 0.7
click 747 270 # the seconds box
xdotool key ctrl+a
xdotool type "12.5"
click 840 343 # 変更して記録
sleep 1
shot 6-corrected
seconds=$(od -A n -t d4 -j 20 -N 4 "$results" | tr -d ' ')
[ "$seconds" = 12 ] || fail "the corrected record has $seconds seconds, expected 12 (12.5 to the even neighbour)"
cmp -s <(tail -c +45 "$work/before.dat" | head -c 20) <(head -c 20 "$results") || fail "the correction changed the date, time, student or level"
cmp -s <(tail -c +$(( 44 + 25 )) "$work/before.dat") <(tail -c +25 "$results") || fail "the correction changed more than the seconds"

click 943 35 # 戻る
menu=$(wait_for_window '^elvanto$') || fail "\"戻る\" did not lead back to the student menu"
wait_until 200 cover_gone || fail "student menu: still covered after 20 s when back"
wait_until_gone '^v$' 50 || fail "the maintenance screen stayed open"
shot 7-menu-again
echo "PASS"
