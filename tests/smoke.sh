#!/usr/bin/env bash
# Starts the real game under Xvfb, waits for its main window, takes a
# screenshot and checks that it is not blank, then ends the game by its PID.
set -euo pipefail
BUILD="$(cd "$1" && pwd)"
GAME="$BUILD/game"
SHOT="$BUILD/smoke.png"
rm -f "$SHOT"

inner() {
  cd "$GAME"
  SDL_AUDIODRIVER=dummy ./pictorio &
  local pid=$!
  local id=""
  for _ in $(seq 1 100); do
    id=$(xwininfo -root -tree 2>/dev/null | grep '"Pictorio"' | awk '{print $1}' | head -n1 || true)
    if [ -n "$id" ] && xwininfo -id "$id" | grep -q "IsViewable"; then break; fi
    id=""
    kill -0 "$pid" 2>/dev/null || { echo "smoke: the game ended at start-up"; exit 1; }
    sleep 0.2
  done
  [ -n "$id" ] || { echo "smoke: no Pictorio window was mapped"; kill "$pid"; exit 1; }
  sleep 2  # let the room and the splash be painted
  import -window root "$SHOT"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
}
export GAME SHOT
# xvfb-run goes through sh, which drops exported functions: pass the body along.
xvfb-run -a -s '-screen 0 800x600x16' bash -c "$(declare -f inner); inner"

colours=$(convert "$SHOT" -format '%k' info:)
echo "smoke: screenshot $SHOT has $colours colours"
[ "$colours" -gt 16 ] || { echo "smoke: the screen looks blank"; exit 1; }
