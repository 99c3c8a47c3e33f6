#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it in its game folder.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
. "$ROOT/scripts/common.sh"
install_packages
build_game "$ROOT/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cd "$ROOT/build/game"
exec ./pictorio
