#!/usr/bin/env bash
# The game as a player installs it: `cmake --install` into a temporary root,
# the launcher, metainfo and manual page checked by their validators, then the
# installed program played under Xvfb by a player with a fresh home. A new
# game, a picture painted and saved, the game saved, the program left and
# started again, the game loaded: every file must land in the home's data
# folder and nothing in the install tree.
# Usage: tests/run_install.sh [project root]
set -euo pipefail
ROOT="$(cd "${1:-$(dirname "$0")/..}" && pwd)"
BUILD="$ROOT/build"
WORK="$(mktemp -d)"
trap 'chmod -R u+w "$WORK" 2>/dev/null; rm -rf "$WORK"' EXIT
fail() { echo "install: $*" >&2; exit 1; }

DESTDIR="$WORK/root" cmake --install "$BUILD" --prefix /usr >/dev/null
TREE="$WORK/root/usr"
GAME=$(find "$TREE" -type f -name pictorio -perm -u+x | head -n1)
[ -n "$GAME" ] || fail "no program was installed"
[ -f "$TREE/share/pictorio/Pictorio Help.txt" ] || fail "the game's files are not in share/pictorio"
for size in 16 32 48 64 128 256; do
  [ -f "$TREE/share/icons/hicolor/${size}x$size/apps/pictorio.png" ] || fail "no ${size}px icon"
done
desktop-file-validate "$TREE/share/applications/org.pictorio.Pictorio.desktop"
appstreamcli validate --no-net "$TREE/share/metainfo/org.pictorio.Pictorio.metainfo.xml"
warnings=$(zcat "$TREE/share/man/man6/pictorio.6.gz" | groff -man -ww -z 2>&1)
[ -z "$warnings" ] || fail "the manual page: $warnings"
echo "install: launcher, metainfo and manual page are valid"

# Read-only for a player; root may write anyway, so the tree's times tell.
chmod -R a-w "$WORK/root"
touch "$WORK/installed"
sleep 1
mkdir -p "$WORK/home"

inner() {
  set -euo pipefail
  calm() { # a fire may break out at six in the morning: its notice is closed first
    if xdotool search --onlyvisible --name '^FIRE' >/dev/null 2>&1; then
      xdotool key Return
      sleep 0.5
    fi
  }
  click() { calm; xdotool mousemove "$1" "$2" click 1; sleep "${3:-0.5}"; }
  menu() { # the menu bar item at x, then the item at y in its drop-down
    click "$1" 14 0.4
    click "$(($1 + 30))" "$2" "${3:-1}"
  }
  start() {
    (cd "$HOME" && SDL_AUDIODRIVER=dummy "$GAME" >>"$WORK/game.log" 2>&1) &
    pid=$!
    xdotool search --sync --onlyvisible --name '^Pictorio$' >/dev/null
    sleep 16.5 # the splash, then a word of welcome
    xdotool key Return
    sleep 0.5
  }
  leave() { # Game > Exit, yes, and no to saving
    menu 35 177 1
    xdotool key y
    sleep 0.5
    xdotool key n
    for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || return 0; sleep 0.2; done
    echo "install: the game did not end" >&2
    return 1
  }

  start
  menu 35 42 1 # Game > New
  xdotool key Return
  sleep 0.5
  xdotool type --delay 40 Ivy
  xdotool key Return
  sleep 1.5
  menu 92 77 1.5 # Go To > Shop
  xdotool key Return # a new game's first shop visit brings a tip
  sleep 0.5
  menu 96 42 0.8 # Products > Canvases
  click 350 161 0.5 # a single canvas
  click 482 335 0.6
  menu 96 73 0.8 # Products > Pencils
  click 350 161 0.5 # an HB pencil
  click 482 375 0.6
  click 613 369 1 # Buy
  xdotool key y
  sleep 1
  click 88 569 1.5 # Exit Shop
  menu 92 108 1.5 # Go To > Studio
  xdotool key Return # and so does its first studio
  sleep 0.5
  menu 34 42 0.8 # Picture > New Picture
  menu 93 42 0.8 # Style > Pencil
  click 60 124 0.5 # the HB pencil
  for y in 200 220 240; do
    xdotool mousemove 200 $y mousedown 1
    for x in $(seq 206 6 600); do xdotool mousemove "$x" "$y"; done
    xdotool mouseup 1
  done
  menu 34 104 1 # Picture > Save Picture
  xdotool type --delay 40 Dawn
  xdotool key Return
  sleep 1
  click 34 14 0.4 # Picture > Exit, the menu's last item: its place moves as the menu grows
  xdotool key Up Return
  sleep 1
  menu 35 115 1.5 # Game > Save
  leave

  # Only a game that is running leaves an autosave behind: the one the
  # first run left goes, and the one the second leaves shows the load worked.
  rm -rf "$HOME/.local/share/pictorio/savegames/autosave"
  start
  menu 35 84 1 # Game > Load
  click 400 299 0.5 # the list of games: Ivy comes first
  xdotool key Down Return
  sleep 0.4
  click 335 346 2 # Ok
  leave
}
export WORK GAME HOME="$WORK/home"
# A player's session: a real (virtual) screen, no settings or data of anyone else.
unset XDG_DATA_HOME XDG_CONFIG_HOME QT_QPA_PLATFORM
# xvfb-run goes through sh, which drops exported functions: pass the body along.
timeout 600 xvfb-run -a -s "-screen 0 800x600x24" bash -c "$(declare -f inner); inner" ||
  fail "the installed game could not be played through (log: $(tail -n 5 "$WORK/game.log" 2>/dev/null))"

DATA="$WORK/home/.local/share/pictorio"
for file in savegames/main.txc savegames/Ivy.sgm pictures/Dawn.jpg; do
  [ -f "$DATA/$file" ] || fail "no $file in the player's data folder"
done
grep -q "^Ivy.$" "$DATA/savegames/main.txc" || fail "the save index does not list Ivy"
[ -f "$DATA/savegames/autosave/Ivy.sgm" ] || fail "the loaded game left no autosave"
grep -q "^Dawn.$" "$DATA/savegames/autosave/Ivy.sgm" || fail "the loaded game has no picture Dawn"
written=$(find "$WORK/root" -newer "$WORK/installed")
[ -z "$written" ] || fail "written into the install tree: $written"
echo "install: the installed game kept every file in $DATA and wrote nothing into its own tree"
