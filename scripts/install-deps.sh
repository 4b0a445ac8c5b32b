#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the gallery need.
# Idempotent: packages already present are not touched; apt-get runs only
# when something is missing. Needs root (or sudo).
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qtbase5-dev qttools5-dev qttools5-dev-tools
  libvtk9-dev libvtk9-qt-dev
  xvfb xauth xfonts-base libgl1-mesa-dri fonts-dejavu-core doxygen
  clang libclang-rt-14-dev
  dbus at-spi2-core
)
if [ "${1:-}" = "--bench" ]; then
  packages+=(libqcustomplot-dev libqwt-qt5-dev)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
