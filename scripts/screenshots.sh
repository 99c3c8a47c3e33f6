#!/usr/bin/env bash
# Plays the real game under Xvfb with xdotool and saves the README's pictures
# into docs/screenshots/: the room, the shop with a basket, the studio with a
# painting, the calendar, the flea market with a buyer's offer and a challenge.
# It plays in a temporary copy of the game folder, so the player's own saves
# and pictures are never touched.
# Usage: scripts/screenshots.sh [build dir]   (default: build)
# SHOTS_DEBUG=dir keeps a picture of every step there.
# SCREEN=1920x1080 plays on a bigger screen, where the game fills the screen
# at its scale; the pictures then carry the screen's size in their names.
# WM=openbox plays under that window manager.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="$(cd "${1:-$ROOT/build}" && pwd)"
OUT="$ROOT/docs/screenshots"
[ -x "$BUILD/game/pictorio" ] || { echo "screenshots: build the game first" >&2; exit 1; }
for tool in xvfb-run xdotool import convert; do
  command -v "$tool" >/dev/null || { echo "screenshots: $tool is missing" >&2; exit 1; }
done
mkdir -p "$OUT"
SCREEN="${SCREEN:-800x600}"
SCREEN_W="${SCREEN%x*}"
SCREEN_H="${SCREEN#*x}"
# The scene's scale in hundredths, and where the room's corner lands.
SCALE=$(((SCREEN_W * 100 / 800) < (SCREEN_H * 100 / 600) ? (SCREEN_W * 100 / 800) : (SCREEN_H * 100 / 600)))
[ "$SCALE" -ge 100 ] || SCALE=100
ORIGIN_X=$(((SCREEN_W - 800 * SCALE / 100) / 2))
ORIGIN_Y=$(((SCREEN_H - 600 * SCALE / 100) / 2))
SUFFIX=""
[ "$SCREEN" = 800x600 ] || SUFFIX="-$SCREEN"

WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
for entry in "$BUILD/game"/*; do
  case "$(basename "$entry")" in savegames | pictures | pictorio) ;; *) ln -s "$entry" "$WORK/" ;; esac
done
mkdir -p "$WORK/savegames" "$WORK/pictures"
cp "$BUILD/game/pictorio" "$WORK/pictorio"

# A painter some way into a career: money to spend, a name, four trophies,
# an alarm and an extinguisher (no fire or burglary spoils the pictures).
# Written in the game's saved-game format: header, 60 empty stock slots,
# 14 trophy flags ("-1" won).
{
  printf 'Ada\n0\n25\n2000\n2\n0\nPics\n'
  for slot in $(seq 1 60); do
    case $slot in
      55) printf 'stuffx\nBurglar alarm\nw\n-1\n1000\n' ;;
      56) printf 'stuffx\nFire extinguisher\nw\n-1\n1000\n' ;;
      *) printf 'stuffx\n\nx\n0\n0\n' ;;
    esac
  done
  for k in $(seq 1 14); do
    case $k in 1 | 4 | 7 | 8) won=-1 ;; *) won=0 ;; esac
    printf 'trophiex\n%s\n' "$won"
  done
} >"$WORK/savegames/Ada.sgm"
printf 'Pictorio saved games\nOne game name per line below\nAda\n' >"$WORK/savegames/main.txc"

inner() {
  set -euo pipefail
  step=0
  shot() { # name: the whole screen, as the player sees it
    import -window root "$WORK/$1.png"
  }
  look() { # a picture of the step for SHOTS_DEBUG
    step=$((step + 1))
    if [ -n "${SHOTS_DEBUG:-}" ]; then import -window root "$SHOTS_DEBUG/$(printf %02d $step)-$1.png"; fi
  }
  # xdotool with every "mousemove x y" given in the 800 x 600 scene's points
  xdo() {
    local args=()
    while [ $# -gt 0 ]; do
      if [ "$1" = mousemove ]; then
        args+=(mousemove $((ORIGIN_X + $2 * SCALE / 100)) $((ORIGIN_Y + $3 * SCALE / 100)))
        shift 3
      else
        args+=("$1")
        shift
      fi
    done
    xdotool "${args[@]}"
  }
  # crop WxH+X+Y of the scene, as a region of the screen
  crop() {
    local w=${1%%x*} rest=${1#*x} h x y
    h=${rest%%+*}
    rest=${rest#*+}
    x=${rest%%+*}
    y=${rest#*+}
    echo "$((w * SCALE / 100))x$((h * SCALE / 100))+$((ORIGIN_X + x * SCALE / 100))+$((ORIGIN_Y + y * SCALE / 100))"
  }
  click() { xdo mousemove "$1" "$2" click 1; sleep "${3:-0.5}"; }
  menu() { # the menu bar item at x, then the item at y in its drop-down
    click "$1" 14 0.4
    click "$(($1 + 30))" "$2" "${3:-1}"
  }
  # drag x1 y1 x2 y2: a stroke with the button held, a move every 6 pixels
  drag() {
    local x1=$1 y1=$2 x2=$3 y2=$4 i n dx dy moves=()
    dx=$((x2 - x1))
    dy=$((y2 - y1))
    n=$(((${dx#-} > ${dy#-} ? ${dx#-} : ${dy#-}) / 6 + 1))
    for i in $(seq 1 "$n"); do
      moves+=(mousemove $((x1 + dx * i / n)) $((y1 + dy * i / n)) sleep 0.004)
    done
    xdo mousemove "$x1" "$y1" mousedown 1 "${moves[@]}" mouseup 1
  }
  # wave y amplitude period phase [x1 x2]: a stroke along a sine
  wave() {
    local y0=$1 amp=$2 period=$3 phase=$4 x1=${5:-128} x2=${6:-794} x moves=()
    for x in $(seq "$x1" 6 "$x2"); do
      moves+=(mousemove "$x" "$(awk -v x="$x" -v y="$y0" -v a="$amp" -v p="$period" -v f="$phase" \
        'BEGIN { printf "%d", y + a * sin(6.2832 * (x + f) / p) }')" sleep 0.004)
    done
    xdo mousemove "$x1" "$y0" mousedown 1 "${moves[@]}" mouseup 1
  }
  # disc cx cy r: a round patch
  disc() {
    local cx=$1 cy=$2 r=$3 dy w
    for dy in $(seq $((-r)) 10 "$r"); do
      w=$(awk -v r="$r" -v d="$dy" 'BEGIN { printf "%d", sqrt(r * r - d * d) }')
      drag $((cx - w)) $((cy + dy)) $((cx + w)) $((cy + dy))
    done
  }
  # A water colour from the studio's swatches, then the big or round brush.
  colour() {
    click "$1" "$2" 0.15
    click 64 "${3:-271}" 0.15
  }
  load_ada() { # Game > Load, the first saved game
    menu 35 84 1
    # Saved just before, a running game is asked about only if an hour went by since.
    if xdotool search --onlyvisible --name '^Confirm$' >/dev/null 2>&1; then
      xdotool key n
      sleep 1
    fi
    click 400 299 0.5
    click 330 304 0.4
    click 335 346 2
  }
  save_picture() { # Picture > Save Picture, under a title
    menu 34 104 1
    xdotool type --delay 40 "$1"
    xdotool key Return
    sleep 1
  }
  new_picture() { # Picture > New Picture (the open one is saved first), water colours
    menu 34 42 1
    xdotool key y
    sleep 1
    menu 93 135 0.8
  }
  set_hours() { # the saved game's clock, in game hours since the start
    sed -i "5s/.*/$1/" "$WORK/savegames/Ada.sgm"
  }

  cd "$WORK"
  if [ -n "${WM:-}" ]; then
    "$WM" >/dev/null 2>&1 &
    sleep 1
  fi
  # Settings of its own: the game fills the screen, as a new player's does.
  XDG_CONFIG_HOME="$WORK/config" SDL_AUDIODRIVER=dummy ./pictorio >"$WORK/game.log" 2>&1 &
  pid=$!
  xdotool search --sync --onlyvisible --name '^Pictorio$' >/dev/null
  # The splash stays fifteen seconds, then a word of welcome.
  sleep 16.5
  look welcome
  xdotool key Return
  sleep 0.5

  load_ada
  look loaded

  # The shop: an extra or two and a box of water colours into the basket.
  menu 92 77 1.5
  menu 96 235 0.8 # Products > Extras
  click 350 161 0.4 # trophy rack
  click 482 364 0.6
  menu 96 42 0.8 # Products > Canvases
  click 350 201 0.4 # a pack of five
  click 482 335 0.6
  menu 96 166 0.8 # Products > Water colors
  click 350 331 0.3 # the whole set
  click 350 371 0.3 # big brush
  click 350 405 0.8 # round brush
  shot shop
  click 482 564 0.5
  click 613 369 1 # Buy
  xdotool key y
  sleep 1
  click 88 569 1.5 # Exit Shop
  look bought

  # The studio: a new canvas and a landscape in water colours.
  menu 92 108 1.5
  menu 34 42 0.8 # Picture > New Picture
  menu 93 135 0.8 # Style > Water Colors
  colour 98 201 # turquoise sky
  for y in 40 56 72 88 104 120 136 152 168 184 200; do drag 128 $y 794 $y; done
  colour 20 149 # white clouds
  for y in 70 82; do drag 220 $y 360 $y; done
  drag 250 60 330 60
  for y in 120 132; do drag 450 $y 540 $y; done
  colour 98 175 # a yellow sun
  disc 660 96 36
  colour 72 227 # violet mountains
  for y in 214 230 246; do wave $y 22 330 0; done
  colour 46 201 # green hills
  for y in 276 292 308 324 340 356 372 388; do wave $y 14 420 90; done
  colour 20 201 # a light yellow field
  for y in 404 420 436 452 468 484 500 516 532 548 564 580; do wave $y 8 300 40; done
  colour 98 227 313 # an olive tree with the round brush
  for x in 296 302 308; do drag $x 470 $x 380; done
  colour 72 201 # its light green crown
  disc 302 350 42
  colour 46 175 313 # an orange house
  for y in 440 448 456 464 472 480 488 496 504; do drag 400 $y 520 $y; done
  colour 98 149 313 # and its red roof (clear of the info bar, which floats over the studio)
  for y in 430 422 414 406 398 390 382; do drag $((396 + (440 - y))) $y $((524 - (440 - y))) $y; done
  save_picture "Summer Hills"
  shot studio
  # Three quicker ones: the flea market takes four pictures.
  new_picture
  colour 46 227 # purple evening sky
  for y in 40 56 72 88 104 120; do wave $y 6 500 0; done
  colour 20 175 # pink
  for y in 136 152 168 184; do wave $y 6 500 100; done
  colour 20 227 # blue sea
  for y in 260 284 308 332 356 380 404 428 452 476 500 524 548 572; do wave $y 5 160 $y; done
  save_picture "Evening Sea"
  new_picture
  colour 72 201 # a light green meadow
  for y in 300 324 348 372 396 420 444 468 492 516 540 564 588; do wave $y 10 260 $y; done
  colour 98 149 313 # red poppies
  for at in "200 360" "320 420" "460 380" "600 450" "700 360" "260 520" "540 540" "400 480"; do
    # shellcheck disable=SC2086
    disc $at 14
  done
  save_picture "Poppies"
  new_picture
  colour 46 149 # a grey harbour wall
  for y in 420 436 452; do drag 128 $y 794 $y; done
  colour 72 149 # black hulls
  for y in 380 392 404; do drag 220 $y 380 $y; done
  for y in 384 396 408; do drag 520 $y 700 $y; done
  colour 72 175 313 # light orange lamps
  for at in "300 200" "610 220"; do
    # shellcheck disable=SC2086
    disc $at 20
  done
  save_picture "Harbour Lights"
  click 34 14 0.4 # Picture > Exit, the menu's last item
  xdotool key Up Return
  sleep 1.5
  look room

  # The room with its new trophy rack and the info bar.
  shot room

  # The calendar of the week.
  menu 92 46 1.5
  shot calendar
  click 472 467 1 # Close

  # Tuesday: the flea market. The game is saved, its clock set to the
  # market's morning, and loaded again.
  menu 35 115 1.5 # Game > Save
  set_hours 25
  load_ada running
  look tuesday
  menu 92 139 0.6 # Go To > Submit Pictures
  click 305 139 1.5 # Flea Market
  look entry
  for k in 1 2 3 4; do
    click 565 173 0.5 # the picture list: the next picture down
    xdotool key Escape Down
    sleep 0.3
    click 719 173 0.6 # Submit
  done
  click 542 387 1.5 # Accept selection
  look entered
  click 440 563 1.5 # Exit
  menu 92 177 2 # Go To > Go to Event
  look venue
  # An offer shows the stall's yes and no buttons: wait for that corner to
  # change. A buyer may have come already: "no" sends them off first.
  click 713 356 0.5
  import -window root -crop "$(crop 160x30+598+340)" "$WORK/stall.png"
  for _ in $(seq 1 90); do
    sleep 1
    import -window root -crop "$(crop 160x30+598+340)" "$WORK/now.png"
    changed=$(compare -metric AE -fuzz 10% "$WORK/stall.png" "$WORK/now.png" null: 2>&1 || true)
    [ "${changed%%.*}" -gt 300 ] 2>/dev/null && break
  done
  sleep 0.5
  shot venue
  click 28 14 1.5 # Exit
  look summary
  # The day's summary, and any notice that follows it.
  for _ in 1 2 3; do
    xdotool search --onlyvisible --name '^(Your day|Now open|Well done)' >/dev/null 2>&1 || break
    xdotool key Return
    sleep 0.8
  done
  look left-venue

  # Wednesday of an odd week: a challenge.
  menu 35 115 1.5 # Game > Save
  set_hours 49
  load_ada running
  look wednesday
  menu 92 177 2 # Go To > Go to Event
  look challenge
  click 100 104 1 # Paint Wall
  look challenge-intro
  xdotool key y # pay the fee
  sleep 4.5     # "Ready in" three seconds
  look challenge-started
  for y in 120 140 160 180 200 220 240; do drag 240 $y 560 $y; done
  sleep 0.5
  shot challenge

  kill "$pid"
  wait "$pid" 2>/dev/null || true
}
export WORK SHOTS_DEBUG="${SHOTS_DEBUG:-}" SCALE ORIGIN_X ORIGIN_Y WM="${WM:-}"
[ -z "$SHOTS_DEBUG" ] || mkdir -p "$SHOTS_DEBUG"
# xvfb-run goes through sh, which drops exported functions: pass the body along.
xvfb-run -a -s "-screen 0 ${SCREEN}x24" bash -c "$(declare -f inner); inner"

for name in room shop studio calendar venue challenge; do
  [ -f "$WORK/$name.png" ] || continue
  # Full colour where it fits in 300 KB, else 256 colours.
  shown="$OUT/$name$SUFFIX.png"
  convert "$WORK/$name.png" -strip "$shown"
  if [ "$(stat -c %s "$shown")" -gt 300000 ]; then
    convert "$WORK/$name.png" -strip -colors 256 "PNG8:$shown"
  fi
  echo "screenshots: $shown ($(($(stat -c %s "$shown") / 1024)) KB)"
done
