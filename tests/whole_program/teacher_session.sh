# Shared by the teacher's whole-program tests (sourced after x_session.sh):
# a generated school with four weeks of runs and the program in it, then
# the program started and a teacher signed in. Expects "$program" and
# "$generator"; sets "$school", "$data", "$password", "$app" and "$menu".
school="$work/school"
"$generator" "$school" --history 28 >/dev/null || fail "the school tree could not be generated"
cp "$program" "$school/ミナモドリル/"
data="$school/データ"
password=$(LC_ALL=C sed -n '6{s/["\r]//g;p;}' "$data/共通データ.txt")
[ -n "$password" ] || fail "the school has no data-change password"

click() { xdotool mousemove "$1" "$2" click 1; }
double_click() { xdotool mousemove "$1" "$2" click --repeat 2 --delay 80 1; }

# The name list runs youngest first and the teachers are the oldest: End
# selects a teacher, "1" signs in.
start_as_teacher() {
  "$school/ミナモドリル/ミナモドリル" >"$work/program.log" 2>&1 &
  app=$!; pids+=($app)
  local names
  names=$(wait_for_window '^elvanto$') || fail "name list: it did not appear"
  wait_until 200 cover_gone || fail "name list: still covered after 20 s"
  xdotool windowfocus --sync "$names" key End 1
  menu=$(wait_for_replacement '^elvanto$' "$names" 200) || fail "name list: End and \"1\" did not sign in"
  wait_until 200 cover_gone || fail "student menu: still covered after 20 s"
}

# "データ処理" and the password typed into the panel ($1 in front of it, to type a wrong one).
type_password() {
  click 960 94
  sleep 0.5
  xdotool type --delay 40 "${1:-}$password"
}
