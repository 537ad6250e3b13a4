# Shared by ./run and ./test: install what a fresh Debian 12 machine lacks,
# then configure and build. Sourced, not run.

VELOTAR_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
VELOTAR_BUILD=${VELOTAR_BUILD:-$VELOTAR_ROOT/build}

velotar_packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-serialport-dev qt6-svg-dev qt6-image-formats-plugins
  zlib1g-dev libgtest-dev python3
)

velotar_install_packages() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}

velotar_build() {
  velotar_install_packages "${velotar_packages[@]}"
  if [ ! -f "$VELOTAR_BUILD/build.ninja" ]; then
    cmake -S "$VELOTAR_ROOT" -B "$VELOTAR_BUILD" -G Ninja "$@"
  fi
  cmake --build "$VELOTAR_BUILD"
}
