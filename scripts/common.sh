# Shared by play.sh and test.sh: the Debian packages the game needs, and the build.
PICTORIO_PACKAGES="build-essential cmake ninja-build pkg-config libgtest-dev libbenchmark-dev \
qt6-base-private-dev \
libjpeg62-turbo-dev qt6-base-dev libsdl2-mixer-dev timgm6mb-soundfont \
libavformat-dev libavcodec-dev libswscale-dev libavutil-dev libsndfile1-dev libsmf-dev \
clang libclang-rt-14-dev xvfb xauth x11-utils imagemagick fonts-urw-base35 \
xdotool desktop-file-utils appstream groff-base lintian dpkg-dev file qt6-qpa-plugins"

install_packages() {
  local missing=()
  for p in $PICTORIO_PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -eq 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq || true
    apt-get install -y -qq "${missing[@]}"
  else
    echo "Some packages are missing. Please run:"
    echo "  sudo apt-get install -y ${missing[*]}"
    exit 1
  fi
}

build_game() {
  local dir="$1"; shift
  cmake -S "$ROOT" -B "$dir" -G Ninja "$@"
  cmake --build "$dir" -j"$(nproc)"
}
