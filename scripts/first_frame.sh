#!/usr/bin/env bash
# Times launch-to-mapped-window for the game and for a bare 800 x 600 Qt window,
# alternating, in one Xvfb session, and prints the medians and their ratio.
# Usage: scripts/first_frame.sh [build dir] [runs]   (default: build, 7)
# SCREEN=1920x1080 times it on a bigger screen, where the game is scaled.
set -euo pipefail
BUILD="$(cd "${1:-build}" && pwd)"
RUNS="${2:-7}"
[ -x "$BUILD/game/pictorio" ] && [ -x "$BUILD/bare_window" ] ||
  { echo "first_frame: build the game and bare_window first" >&2; exit 1; }
for tool in xvfb-run xdotool; do
  command -v "$tool" >/dev/null || { echo "first_frame: $tool is missing" >&2; exit 1; }
done

# A copy of the game folder, so the player's own saves are never touched.
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
for entry in "$BUILD/game"/*; do
  case "$(basename "$entry")" in savegames | pictures) ;; *) ln -s "$entry" "$WORK/" ;; esac
done
mkdir -p "$WORK/savegames" "$WORK/pictures"
rm -f "$WORK/pictorio"
cp "$BUILD/game/pictorio" "$WORK/pictorio"

inner() {
  # Seconds from launch until a window named $2 is mapped; the program is then
  # ended. A start that fails to reach the X server (Xvfb refuses a connection
  # now and then under a burst of them) is tried again.
  time_to_map() {
    local program=$1 title=$2 start now pid try
    for try in 1 2 3; do
      start=$(date +%s.%N)
      (cd "$WORK" && exec "$program") >>"$WORK/log" 2>&1 &
      pid=$!
      until xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1; do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.01
      done
      now=$(date +%s.%N)
      if kill "$pid" 2>/dev/null; then
        wait "$pid" 2>/dev/null || true
        echo "$now - $start" | bc
        return 0
      fi
      wait "$pid" 2>/dev/null || true
    done
    echo "first_frame: $program did not start; its last words:" >&2
    tail -5 "$WORK/log" >&2
    exit 1
  }
  # One untimed start of each warms the disk cache for both alike.
  time_to_map "$BARE" "Bare window" >/dev/null
  time_to_map "$WORK/pictorio" "Pictorio" >/dev/null
  for _ in $(seq 1 "$RUNS"); do
    echo "bare $(time_to_map "$BARE" "Bare window")"
    echo "game $(time_to_map "$WORK/pictorio" "Pictorio")"
  done
}
# Settings of its own: the game fills the screen, as a new player's does.
export WORK RUNS BARE="$BUILD/bare_window" SDL_AUDIODRIVER=dummy XDG_CONFIG_HOME="$WORK/config"
# xvfb-run goes through sh, which drops exported functions: pass the body along.
xvfb-run -a -s "-screen 0 ${SCREEN:-800x600}x16" bash -c "$(declare -f inner); inner" >"$WORK/times"

median() { grep "^$1 " "$WORK/times" | cut -d' ' -f2 | sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }
bare=$(median bare)
game=$(median game)
echo "first frame, median of $RUNS runs each:"
echo "  bare 800x600 Qt window: $(printf '%.3f' "$bare") s   ($(grep '^bare ' "$WORK/times" | cut -d' ' -f2 | xargs printf '%.3f '))"
echo "  Pictorio:               $(printf '%.3f' "$game") s   ($(grep '^game ' "$WORK/times" | cut -d' ' -f2 | xargs printf '%.3f '))"
echo "  ratio: $(echo "scale=2; $game / $bare" | bc) x"
