#!/usr/bin/env bash
# Builds Quarvel for 64-bit Windows with MinGW-w64 on Debian 12 and runs its tests under Wine:
# the engine, quarvel-cli.exe (linked statically, it runs alone on Windows) and their tests. The
# windows need Qt for Windows, which Debian does not have; the README says how to build them.
# Usage: scripts/windows.sh [CMAKE_ARGS...]   (builds in build-windows/)
#   CMAKE_BUILD_PARALLEL_LEVEL limits the build jobs, CTEST_PARALLEL_LEVEL the tests run at once.
# To run the tests again by hand, with the same Wine prefix and second drive:
#   WINEPREFIX=$PWD/build-windows/wineprefix QUARVEL_TEST_DRIVE=Q: ctest --test-dir build-windows
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/debian.sh
start=$SECONDS
build_dir=build-windows
toolchain=$PWD/cmake/mingw-w64-x86_64.cmake

# --- Set-up: the cross compiler, Wine, GoogleTest's sources and CLI11, all Debian packages ------
# Installed here, not by scripts/setup.sh, so that only this build brings them. No recommends:
# Wine's 32-bit half, fonts and sound are not needed for console test programs.
packages=(
  cmake ninja-build
  g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev
  wine64 wine
  googletest libcli11-dev
)
install_packages "${packages[@]}"
echo "windows: set-up done after $((SECONDS - start)) s"

# --- Wine: a prefix of the build's own, made while the build runs ------------------------------
# No Mono or Gecko: their installers would be offered on the first start, and nothing here uses
# .NET or HTML. Wine's "fixme" notes about calls it only half implements are left out.
export WINEPREFIX=$PWD/$build_dir/wineprefix
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG=fixme-all
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver64
wineboot_pid=""
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  # Without a display (and without Wine's 32-bit half) it logs errors that do not matter here.
  WINEDEBUG=-all "$wine" wineboot --init >"$build_dir/wineboot.log" 2>&1 &
  wineboot_pid=$!
fi

# --- GoogleTest from Debian's sources, built with the same toolchain --------------------------
# Rebuilt only when the googletest package changes.
gtest_version=$(dpkg-query -W -f='${Version}' googletest)
gtest_prefix=$PWD/$build_dir/googletest
if [ "$(cat "$gtest_prefix/debian-version" 2>/dev/null)" != "$gtest_version" ]; then
  rm -rf "$build_dir/googletest-build" "$gtest_prefix"
  cmake -S /usr/src/googletest -B "$build_dir/googletest-build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_INSTALL_PREFIX="$gtest_prefix" -DBUILD_GMOCK=OFF >/dev/null
  cmake --build "$build_dir/googletest-build"
  cmake --install "$build_dir/googletest-build" >/dev/null
  echo "$gtest_version" >"$gtest_prefix/debian-version"
fi
echo "windows: GoogleTest ready after $((SECONDS - start)) s"

# CLI11 is header-only; its headers alone, away from the Linux headers beside them.
mkdir -p "$build_dir/cli11"
ln -sfn /usr/include/CLI "$build_dir/cli11/CLI"

# --- Configure, build, test --------------------------------------------------------------------
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUARVEL_BUILD_UI=OFF -DQUARVEL_BUILD_BENCH=OFF \
  -DQUARVEL_WERROR="${QUARVEL_WERROR:-OFF}" -DGTest_DIR="$gtest_prefix/lib/cmake/GTest" \
  -DCLI11_INCLUDE_DIR="$PWD/$build_dir/cli11" "$@"
cmake --build "$build_dir"
echo "windows: built after $((SECONDS - start)) s"

if [ -n "$wineboot_pid" ] && ! wait "$wineboot_pid"; then
  cat "$build_dir/wineboot.log" >&2
  exit 1
fi
"$wineserver" --wait
# A second drive letter for the tests of libraries on other drives: Wine takes drive letters
# from the prefix's dosdevices folder only.
mkdir -p "$build_dir/wine-drive-q"
ln -sfn "$PWD/$build_dir/wine-drive-q" "$WINEPREFIX/dosdevices/q:"
export QUARVEL_TEST_DRIVE=Q:
# One Wine server for all the tests, instead of one started and stopped around each program. It
# exits 2 when a server of this prefix is already running, which serves as well. The first
# program started also starts Wine's own services; that is done here, where its complaints about
# the missing display are not mixed into the tests' output.
"$wineserver" --persistent || [ $? -eq 2 ]
trap '"$wineserver" --kill' EXIT
WINEDEBUG=-all "$wine" cmd /c exit
echo "windows: Wine ready after $((SECONDS - start)) s"

ctest --test-dir "$build_dir" --output-on-failure -j"${CTEST_PARALLEL_LEVEL:-$(nproc)}"
echo "windows: $((SECONDS - start)) s"
