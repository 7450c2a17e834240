# Shared by the whole-program tests (sourced): a private X server and a
# private sound server with a null sink, a work folder cleaned up on exit,
# screenshots into "$out", and waiting for the program's windows and for
# what they show. Expects "$out" to be set.
work=$(mktemp -d)
pids=()
cleanup() { # the last started first: servers go after their clients
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    kill "${pids[i]}" 2>/dev/null || true
    wait "${pids[i]}" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap cleanup EXIT
shot() { import -window root "$out/$1.png" 2>/dev/null || true; }
fail() {
  [ -n "${DISPLAY:-}" ] && shot failure
  echo "FAIL: $*"
  exit 1
}

# The display is 1024 x 768, the size the screens were made for, unless
# DISPLAY_SIZE (WIDTHxHEIGHT) says otherwise. On a larger one the program is
# scaled by the largest factor that fits and centred: "$program_area" is
# where it stands (WxH+X+Y), "$scale" the factor.
display_size=${DISPLAY_SIZE:-1024x768}
display_width=${display_size%x*} display_height=${display_size#*x}
scale=$(awk -v w="$display_width" -v h="$display_height" \
  'BEGIN { f = w / 1024; if (h / 768 < f) f = h / 768; if (f < 1) f = 1; print f }')
program_area=$(awk -v w="$display_width" -v h="$display_height" -v f="$scale" 'BEGIN {
  pw = int(1024 * f + 0.5); ph = int(768 * f + 0.5)
  printf "%dx%d+%d+%d", pw, ph, int((w - pw) / 2), int((h - ph) / 2) }')
scaled() { [ "$display_size" != 1024x768 ]; }
# A point of the 1024 x 768 design on the display: "x y".
on_display() {
  awk -v x="$1" -v y="$2" -v f="$scale" -v area="$program_area" 'BEGIN {
    split(area, p, /[x+]/); printf "%d %d", p[3] + x * f + 0.5, p[4] + y * f + 0.5 }'
}

Xvfb -displayfd 3 -screen 0 "${display_size}x24" -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb

# The program plays its sounds as at a school, into a sink nobody hears.
source "$(dirname "${BASH_SOURCE[0]}")/../support/null_sink.sh"
start_null_sink

# xdotool can fail with an X error when a window it looks at goes away
# meanwhile, as windows do while one screen hands over to the next.
visible() { xdotool search --onlyvisible --name "$1" 2>/dev/null || true; }

wait_for_window() { # $1: window name pattern; prints the window id
  local ids
  for _ in $(seq 300); do
    ids=$(visible "$1")
    [ -n "$ids" ] && { head -n 1 <<<"$ids"; return 0; }
    sleep 0.1
  done
  return 1
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

wait_until_gone() { # $1: pattern, $2: tenths of a second
  for _ in $(seq "$2"); do
    [ -z "$(visible "$1")" ] && return 0
    sleep 0.1
  done
  return 1
}

# ------------------------------------------------ what the screen shows
# Each screen fills the 1024 x 768 screen from its top left corner; on a
# larger display the program's area is read back at 1024 x 768, pixel for
# pixel (no new colours), so that every check below reads the design's places.
capture() {
  import -window root "$work/screen.png" 2>/dev/null || return 1
  if scaled; then
    mogrify -crop "$program_area" +repage -sample '1024x768!' "$work/screen.png"
  fi
}

colours_in() { # $1 x $2 y $3 width $4 height of the last capture: the number of colours there
  convert "$work/screen.png" -crop "$3x$4+$1+$2" +repage -format %k info:
}

pixel_at() { # $1 x $2 y of the last capture: "r,g,b"
  convert "$work/screen.png" -format "%[fx:int(255*p{$1,$2}.r)],%[fx:int(255*p{$1,$2}.g)],%[fx:int(255*p{$1,$2}.b)]" info:
}

wait_until() { # $1: tenths of a second, then checks of the last capture that must all hold at once
  local tenths=$1 check held
  shift
  for _ in $(seq "$tenths"); do
    capture || continue
    held=1
    for check in "$@"; do "$check" || { held=0; break; }; done
    (( held )) && return 0
    sleep 0.1
  done
  return 1
}

# The name list and the student menu take keys once the cover that says
# "Just a moment, please." is gone: it is of one colour across the top.
cover_gone() { (( $(colours_in 0 0 1024 100) > 20 )); }

# ---------------------------------------- reading a digit off the screen
digit_font=/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf
glyph() { convert "$1" -colorspace Gray -threshold 50% -trim +repage -resize '40x60!' "$2"; }
mkdir "$work/digits"
for d in 0 1 2 3 4 5 6 7 8 9; do
  convert -background white -fill black -font "$digit_font" -pointsize 120 "label:$d" "$work/digits/raw$d.png"
  glyph "$work/digits/raw$d.png" "$work/digits/$d.png"
done

read_digit() { # $1 x $2 y $3 width $4 height of a box with one digit in the last capture
  convert "$work/screen.png" -crop "$3x$4+$1+$2" +repage -shave 6x6 "$work/digits/box.png"
  glyph "$work/digits/box.png" "$work/digits/seen.png"
  local d error best="" best_error=""
  for d in 0 1 2 3 4 5 6 7 8 9; do
    error=$(compare -metric RMSE "$work/digits/seen.png" "$work/digits/$d.png" null: 2>&1 | sed 's/.*(\(.*\))/\1/')
    if [ -z "$best_error" ] || awk -v a="$error" -v b="$best_error" 'BEGIN { exit !(a < b) }'; then
      best=$d best_error=$error
    fi
  done
  echo "$best"
}
