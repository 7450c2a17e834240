#!/usr/bin/env bash
# A child's loop through the built program in a real X server, with sound
# (into a null sink), on a school whose level 1 times out after 15 seconds
# (MinimumTime 3):
#   name list: Down selects the first (youngest) child, "1" signs in;
#   student menu: "1" starts level 1 (on a larger display, run with
#                 DISPLAY_SIZE: a click on its start button, once the menu
#                 is seen centred at full height over a backdrop of its colour);
#   drill: the problem read off the screen and answered right; the next one
#          answered right with Space pressed twice, 40 ms apart: the second
#          Space is an empty answer to the problem after it, shown with its
#          correction, which "+" "+" acknowledges; one wrong answer ("99")
#          and "+" "+"; then nothing until the run times out;
#   please-wait screen, completion screen: Enter on the focused "メニューへ";
#   student menu again: "0" back to the name list; "0" there starts the menu
#   program with "001" and ends the program.
# Then the results file holds exactly one new record: that child, level 1,
# 99999 seconds (a time-out), today, now, the school code; and the sounds
# were played. Every step waits for what the screen shows, not for a fixed
# time. Screenshots of every screen go to the output folder given as the
# third argument (failure.png shows the screen at a failed step).
set -euo pipefail
program=$1 generator=$2 out=$3
mkdir -p "$out"
rm -f "$out"/*.png
source "$(dirname "$0")/x_session.sh"

# ---------------------------------------------------------------- the school
school="$work/school"
"$generator" "$school" --minimum-time 1=3 >/dev/null || fail "the school tree could not be generated"
cp "$program" "$school/ミナモドリル/"
data="$school/データ"
results="$data/ミナモドリル/成績累積データ.dat"
criteria_line=$(sed -n 2p "$data/ミナモドリル/タイム回数データ.txt" | tr -d '\r')
[ "$(cut -d, -f2 <<<"$criteria_line")" = 3 ] || fail "level 1's MinimumTime is not 3: $criteria_line"

# Item 2 of the common settings starts with the five-digit school code;
# item 3 = 1 lists the children of status 2 too.
school_code=$(LC_ALL=C sed -n '2{s/^"//;p;}' "$data/共通データ.txt" | head -c 5)
[[ $school_code =~ ^[0-9]{5}$ ]] || fail "no school code in 共通データ.txt: '$school_code'"
list_status2=$(LC_ALL=C sed -n '3{s/["\r]//g;p;}' "$data/共通データ.txt")

# The name list runs youngest first: Down from the header selects the listed
# child with the latest birth year. A tie would leave the order to the names.
child=$(LC_ALL=C awk -F, -v status2="$list_status2" '
  { sub(/\r$/, "") }
  $6 == 0 || ($6 == 2 && status2 == 1) {
    if (no == "" || $2 + 0 > latest) { latest = $2 + 0; no = $1; ties = 0 }
    else if ($2 + 0 == latest) ties++
  }
  END { if (no == "" || ties) exit 1; print no }' "$data/新名簿.txt") ||
  fail "the roster has no single youngest listed child"
records_before=0
[ -f "$results" ] && records_before=$(( $(stat -c %s "$results") / 44 ))

# ------------------------------------------------------ what screens show
# The drill screen: operand boxes, the answer box and the correction's box.
operand_box=(140 131 240 120) second_operand_box=(560 131 240 120)
problem_shown() { (( $(colours_in "${operand_box[@]}") > 2 && $(colours_in "${second_operand_box[@]}") > 2 )); }
correction_shown() { [ "$(pixel_at 150 630)" = "255,128,128" ]; }
no_correction() { ! correction_shown; }
answer_box_clear() { (( $(colours_in 146 447 228 108) == 1 )); }
# Above the red cross of a correction, where the top of a typed digit would be.
answer_box_empty() { (( $(colours_in 232 447 56 22) == 1 )); }
# The completion screen: "メニューへ" stands on the water at the bottom left.
menu_button_shown() { IFS=, read -r r g b <<<"$(pixel_at 262 702)"; (( r > 200 && g > 200 && b > 200 )); }

seconds_now() { echo $(( $(date +%s) - $(date -d 'today 00:00' +%s) )); }
today_serial() { echo $(( $(date -u -d "$(date +%F)" +%s) / 86400 + 25569 )); }
millis() { echo $(( $(date +%s%N) / 1000000 )); }

# ------------------------------------------------------------- the loop
record_null_sink "$work/heard.raw"
day_before=$(today_serial)
"$school/ミナモドリル/ミナモドリル" >"$work/program.log" 2>&1 &
app=$!; pids+=($app)

names=$(wait_for_window '^elvanto$') || fail "name list: it did not appear"
wait_until 200 cover_gone || fail "name list: still covered after 20 s"
shot 1-name-list
xdotool windowfocus --sync "$names" key Down 1

if ! menu=$(wait_for_replacement '^elvanto$' "$names" 200); then
  grep -qx "$names" <<<"$(visible '^elvanto$')" && fail "name list: Down and \"1\" did not sign in"
  fail "student menu: signing in left the name list, but no student menu (\"elvanto\") came"
fi
wait_until 200 cover_gone || fail "student menu: still covered after 20 s"
shot 2-menu
if scaled; then
  # The menu fills the display's height in the middle, over a backdrop of
  # its own colour; its start button for level 1 takes a click where it is drawn.
  geometry=$(xdotool getwindowgeometry --shell "$menu" | awk -F= '{ v[$1] = $2 } END { printf "%dx%d+%d+%d", v["WIDTH"], v["HEIGHT"], v["X"], v["Y"] }')
  [ "$geometry" = "$program_area" ] || fail "student menu: at $geometry, expected $program_area"
  import -window root "$work/display.png"
  left=${program_area#*+} left=${left%+*}
  beside=$(convert "$work/display.png" -format "%[pixel:p{$((left / 2)),$((display_height / 2))}]" info:)
  inside=$(convert "$work/display.png" -format "%[pixel:p{$((left + 2)),$((display_height / 2))}]" info:)
  [ "$beside" = "$inside" ] || fail "student menu: the display beside it is $beside, its own background $inside"
  xdotool mousemove $(on_display 133 228) click 1
else
  xdotool windowfocus --sync "$menu" key 1
fi

drill=$(wait_for_window '^楠野塾$') || fail "student menu: \"1\" did not start a run of level 1"
drill_seen=$(millis) run_from=$(seconds_now)
answer_shown_problem() { # $1: Space, or Space twice
  wait_until 50 problem_shown answer_box_clear || fail "drill: no new problem on the screen"
  local a b
  a=$(read_digit "${operand_box[@]}") b=$(read_digit "${second_operand_box[@]}")
  echo "problem read off the screen: $a + $b"
  xdotool windowfocus --sync "$drill" key --delay 40 $(fold -w1 <<<"$((a + b))") $1
}
answer_shown_problem space
wait_until 30 answer_box_clear || fail "drill: the answer read off the screen brought no next problem"
no_correction || fail "drill: the answer read off the screen was judged wrong"
shot 3-drill-right-answer
answer_shown_problem "space space"
wait_until 30 correction_shown || fail "drill: the second Space of a double tap judged nothing"
answer_box_empty || fail "drill: the correction is not for an empty answer to the next problem"
shot 4-drill-double-space-correction
xdotool windowfocus --sync "$drill" key plus plus
wait_until 30 no_correction || fail "drill: \"+\" \"+\" did not end the correction"
# Every answer of level 1 is a single digit: 99 is wrong whatever was asked.
xdotool windowfocus --sync "$drill" key 9 9 space
wait_until 30 correction_shown || fail "drill: 99 was not judged wrong"
shot 5-drill-correction
xdotool windowfocus --sync "$drill" key plus plus
wait_until 30 no_correction || fail "drill: \"+\" \"+\" did not end the second correction"
shot 6-drill-after-correction

# No more keys: the run times out after 15 seconds and is recorded behind
# the please-wait screen, which stays for a second.
for _ in $(seq 300); do [ -n "$(visible '^Form1$')" ] && break; sleep 0.1; done
[ -n "$(visible '^Form1$')" ] || fail "drill: no please-wait screen within 30 s of the run's start"
timed_out_after=$(( $(millis) - drill_seen ))
shot 7-time-out-please-wait
echo "time-out recorded ${timed_out_after} ms after the drill appeared"
# The clock ticks each second from the run's start; the window is seen a
# little after that start and the please-wait screen a little after the tick.
(( timed_out_after >= 14000 && timed_out_after <= 16500 )) ||
  fail "drill: the run ended ${timed_out_after} ms after the drill appeared, expected at its 15 s limit"

done_screen=$(wait_for_window '^終了$') || fail "completion: no completion screen (\"終了\") after the time-out"
run_to=$(seconds_now)
wait_until_gone '^Form1$' 50 || fail "completion: the please-wait screen stayed over it"
wait_until 50 menu_button_shown || fail "completion: no \"メニューへ\" within 5 s"
shot 8-completion
xdotool windowfocus --sync "$done_screen" key Return

wait_until_gone '^終了$' 100 || fail "completion: Enter on \"メニューへ\" did not leave it"
menu=$(wait_for_window '^elvanto$') || fail "student menu: not back after \"メニューへ\""
wait_until 200 cover_gone || fail "student menu: still covered after 20 s when back"
shot 9-menu-again
xdotool windowfocus --sync "$menu" key 0

names=$(wait_for_replacement '^elvanto$' "$menu" 200) || fail "student menu: \"0\" did not lead back to the name list"
wait_until 200 cover_gone || fail "name list: still covered after 20 s when back"
shot 10-name-list-again
xdotool windowfocus --sync "$names" key 0

status=0
timeout 10 tail --pid="$app" -f /dev/null || fail "name list: the program did not end after \"0\""
wait "$app" || status=$?
[ "$status" -eq 0 ] || fail "exit status $status after leaving for the menu program"
for _ in $(seq 50); do [ -s "$school/起動/menu-started.log" ] && break; sleep 0.1; done
[ "$(cat "$school/起動/menu-started.log" 2>/dev/null)" = "001" ] ||
  fail "the menu program was not started once with 001: '$(cat "$school/起動/menu-started.log" 2>/dev/null)'"
day_after=$(today_serial)

# ---------------------------------------------------------- the record
[ -f "$results" ] || fail "no results file after the run"
size=$(stat -c %s "$results")
[ "$size" -eq $(( (records_before + 1) * 44 )) ] ||
  fail "results file of $size bytes: expected exactly one new 44-byte record after $records_before"
at=$(( records_before * 44 ))
field() { od -A n -t "$1" -j $(( at + $2 )) -N "$3" "$results" | tr -s ' ' | sed 's/^ //;s/ $//'; }
entry_date=$(field f8 0 8) entry_time=$(field f8 8 8)
read -r student level <<<"$(field d2 16 4)"
seconds=$(field d4 20 4)
tail_bytes=$(od -A n -t x1 -j $(( at + 24 )) -N 20 "$results" | tr -d ' \n')
expected_tail=$(printf '%s     0    ' "$school_code" | od -A n -t x1 | tr -d ' \n')0000000000
echo "record: date $entry_date time $entry_time student $student level $level seconds $seconds"

[ "$student" = "$child" ] || fail "record: student $student, expected $child (the first row of the name list)"
[ "$level" = 1 ] || fail "record: level $level, expected 1"
[ "$seconds" = 99999 ] || fail "record: $seconds seconds, expected 99999 for a time-out"
[ "$tail_bytes" = "$expected_tail" ] ||
  fail "record: text fields $tail_bytes, expected the school code $school_code then '     ', '0    ', five zero bytes"
awk -v d="$entry_date" -v a="$day_before" -v b="$day_after" 'BEGIN { exit !(d == a || d == b) }' ||
  fail "record: date $entry_date, expected today ($day_before)"
# Stamped between the run's start and the completion screen (a day
# boundary crossed during the test is not checked).
if [ "$day_before" = "$day_after" ]; then
  awk -v t="$entry_time" -v from="$run_from" -v to="$run_to" \
    'BEGIN { s = t * 86400; exit !(s >= from - 1 && s <= to + 1) }' ||
    fail "record: time of day $entry_time, expected between ${run_from} s and ${run_to} s after midnight"
fi
# The sounds reached the sound server: nothing failed, something was heard.
grep -i "pulse\|audio" "$work/program.log" && fail "the program reported sound trouble (above)"
(( $(loudest_sample "$work/heard.raw") > 1000 )) || fail "no sound reached the null sink"
echo "PASS"
