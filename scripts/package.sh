#!/usr/bin/env bash
# Builds a Debian package of the game from the build folder (the same build
# the tests use) and checks it with lintian. As Debian's games do, the package
# puts the program in /usr/games; the game finds its files from there too.
# Usage: scripts/package.sh
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
. "$ROOT/scripts/common.sh"
install_packages
DIR="$ROOT/build"
build_game "$DIR" -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_BINDIR=games
(cd "$DIR" && cpack -G DEB)
DEB=$(ls -t "$DIR"/pictorio_*.deb | head -n1)
echo "Package: $DEB"
# Errors fail the build; the warnings we keep are explained in README.md.
lintian --fail-on error "$DEB"
