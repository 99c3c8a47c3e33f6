#!/usr/bin/env bash
# Installs what is missing, builds, runs every test, then starts the real game
# under Xvfb and checks that its window comes up with something drawn in it.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
. "$ROOT/scripts/common.sh"
bash "$ROOT/scripts/check_layers.sh" "$ROOT"
install_packages
build_game "$ROOT/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo

export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
(cd "$ROOT/build" && ctest --output-on-failure)

for extra in "$ROOT"/tests/run_*.sh; do
  [ -e "$extra" ] || continue
  echo "== $(basename "$extra")"
  bash "$extra" "$ROOT"
done

unset QT_QPA_PLATFORM
bash "$ROOT/tests/smoke.sh" "$ROOT/build"
echo "All tests passed."
