#!/usr/bin/env bash
# A teacher changes level 1's target time in the criteria editor of the
# built program, in a real X server, and the next run of level 1 shows it:
#   name list: End selects the last row (a teacher), "1" signs in;
#   student menu: "データ処理", the school's password, "合格タイムデータ変更";
#   criteria editor ("Form1"): Space empties level 1's target, "25" is typed,
#   "更新記録" saves, "戻る" leaves;
#   student menu: "1" starts level 1.
# Then the criteria file's level 1 line starts with 25, every line keeps its
# eleven commas, and the drill's time bar ends its target mark at 25 of the
# run's 5 × MinimumTime seconds. Screenshots go to the output folder given
# as the third argument.
set -euo pipefail
program=$1 generator=$2 out=$3
mkdir -p "$out"
rm -f "$out"/*.png
source "$(dirname "$0")/x_session.sh"
source "$(dirname "$0")/teacher_session.sh"
criteria="$data/ミナモドリル/タイム回数データ.txt"
minimum=$(sed -n 2p "$criteria" | tr -d '\r' | cut -d, -f2)
(( minimum > 0 )) || fail "level 1 has no MinimumTime: $minimum"
lines_before=$(wc -l <"$criteria")

start_as_teacher
type_password
click 450 413 # 合格タイムデータ変更
wait_for_window '^Form1$' >/dev/null || fail "the password and \"合格タイムデータ変更\" did not open the criteria editor"
wait_until_gone '^elvanto$' 100 || fail "the student menu stayed loaded behind the criteria editor"
sleep 1
shot 1-criteria-editor
# Typed without a pause: each key is handled whole before the next one.
xdotool key --delay 0 space 2 5
sleep 0.5
shot 2-target-typed
click 806 687 # 更新記録
sleep 1
line=$(sed -n 2p "$criteria" | tr -d '\r')
[ "$(cut -d, -f1 <<<"$line")" = 25 ] || fail "level 1's line after the save: $line"
[ "$(wc -l <"$criteria")" = "$lines_before" ] || fail "the save changed the number of lines"
awk '{ sub(/\r$/, "") } gsub(/,/, ",") != 11 { exit 1 }' "$criteria" || fail "a saved line has other than eleven commas"
click 946 687 # 戻る
menu=$(wait_for_window '^elvanto$') || fail "\"戻る\" did not lead back to the student menu"
wait_until 200 cover_gone || fail "student menu: still covered after 20 s when back"
shot 3-menu-with-new-target
xdotool windowfocus --sync "$menu" key 1

drill_bar_ready() { [ "$(pixel_at 8 88)" = "0,255,0" ]; }
wait_until 100 drill_bar_ready || fail "no drill with a time bar after \"1\""
shot 4-drill
# The bar runs from x 8 over 999 pixels for 5 × MinimumTime seconds; the
# target mark (green) ends where the minimum mark (light green) begins.
target_end=$(convert "$work/screen.png" -crop 1000x1+8+88 +repage txt:- |
  awk -F'[ ,:]+' 'NR > 1 && $0 ~ /#80FF80/ && end == "" { end = $1 } END { print end }')
expected=$(( 999 * 25 / (5 * minimum) ))
echo "target mark ends at $target_end px of the bar, expected about $expected"
[ -n "$target_end" ] && (( target_end >= expected - 2 && target_end <= expected + 2 )) ||
  fail "the time bar's target mark ends at '${target_end}' px, expected about $expected for 25 s"
echo "PASS"
