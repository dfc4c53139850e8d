#!/usr/bin/env bash
# Installs what building and testing Quarvel needs on Debian 12, then configures and builds.
# Usage: scripts/setup.sh [BUILD_DIR]   (default: build)
# QUARVEL_WERROR=ON in the environment makes every compiler warning an error, as CI has it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/debian.sh
build_dir=${1:-build}

packages=(
  build-essential cmake ninja-build pkg-config clang-format
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-l10n-tools qt6-tools-dev libgl-dev
  libacl1-dev libcli11-dev libgtest-dev libgmock-dev libbenchmark-dev
  fontconfig fonts-dejavu-core locales
  dpkg-dev desktop-file-utils appstream gzip file lintian python3
  qt6-translations-l10n
)
install_packages "${packages[@]}"

# The tests also run the rate calculator where the decimal mark is a comma.
if ! locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; then
  as_root sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  as_root locale-gen >/dev/null
fi

cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUARVEL_WERROR="${QUARVEL_WERROR:-OFF}"
cmake --build "$build_dir"
