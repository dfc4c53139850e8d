#!/usr/bin/env bash
# Builds Quarvel's Debian package from a configured and built build directory and checks it: the
# files it holds, the whole package against lintian (no error, no warning), the menu entry and
# metainfo against their validators, and the installed quarvel-cli run from an unpacked copy.
#
# Usage: packaging/check-package.sh BUILD_DIR
# Exit status: 0 all checks passed, 1 a check failed, 2 a bad argument, 77 a tool is missing
# (the check is skipped). CPACK may name the cpack to run (default: cpack from PATH).
set -euo pipefail

skip=77

say() { printf 'check-package: %s\n' "$*"; }
fail() {
  printf 'check-package: FAILED: %s\n' "$*" >&2
  exit 1
}

if [ $# -ne 1 ]; then
  echo "usage: $0 BUILD_DIR" >&2
  exit 2
fi
if [ ! -f "$1/CPackConfig.cmake" ]; then
  echo "check-package: $1 has no CPackConfig.cmake: configure and build Quarvel there first" >&2
  exit 2
fi
build_dir=$(cd "$1" && pwd)
# The desktop's name for the program, as the build stated it.
app_id=$(sed -n 's/.*applicationId = "\(.*\)";/\1/p' "$build_dir/generated/core/version.h")
[ -n "$app_id" ] || {
  echo "check-package: $1 has no generated/core/version.h: build Quarvel there first" >&2
  exit 2
}

cpack=${CPACK:-cpack}
missing=()
# cpack needs dpkg-shlibdeps for the dependencies and file(1) to find the programs.
for tool in "$cpack" dpkg-deb dpkg-shlibdeps file desktop-file-validate appstreamcli lintian; do
  command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
done
if [ ${#missing[@]} -gt 0 ]; then
  say "SKIPPED: not installed: ${missing[*]} (Debian packages: cmake dpkg-dev file desktop-file-utils appstream lintian)"
  exit "$skip"
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/quarvel-package.XXXXXX")
cleanup() { rm -rf "$work"; }
trap cleanup EXIT

# --- Build the package ---------------------------------------------------------------------
say "building the package with $cpack -G DEB in $build_dir"
if ! (cd "$build_dir" && "$cpack" -G DEB -B "$work/out" --config CPackConfig.cmake) \
  >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log" >&2
  fail "cpack could not build the package"
fi
shopt -s nullglob
debs=("$work"/out/*.deb)
shopt -u nullglob
[ ${#debs[@]} -eq 1 ] || fail "expected one .deb in the output, found ${#debs[@]}"
deb=${debs[0]}
say "built $(basename "$deb")"

# --- Control fields -------------------------------------------------------------------------
for field in Package Version Architecture Maintainer Section Homepage Description Depends; do
  value=$(dpkg-deb -f "$deb" "$field")
  [ -n "$value" ] || fail "the control field $field is empty"
  if [ "$field" = Description ]; then
    value=${value%%$'\n'*} # the short description only
  fi
  say "  $field: $value"
done
[ "$(dpkg-deb -f "$deb" Package)" = quarvel ] || fail "the package is not named quarvel"
[ "$(dpkg-deb -f "$deb" Section)" = utils ] || fail "the package is not in the utils section"
dpkg-deb -f "$deb" Recommends | grep -qw qt6-translations-l10n ||
  fail "the package does not recommend qt6-translations-l10n"
# The names in Depends, without versions: the Qt libraries the program needs at run time.
dpkg-deb -f "$deb" Depends | sed 's/[,|]/\n/g' | sed 's/^ *//; s/[ (:].*//' >"$work/depends"
for library in libqt6core6 libqt6widgets6 libqt6gui6; do
  grep -qxF "$library" "$work/depends" || fail "the package does not depend on $library"
done

# --- The files it holds ---------------------------------------------------------------------
dpkg-deb -c "$deb" | awk '{ print $6 }' | sed 's|^\./||' >"$work/contents"
expected=(
  usr/bin/quarvel
  usr/bin/quarvel-cli
  "usr/share/applications/$app_id.desktop"
  "usr/share/metainfo/$app_id.metainfo.xml"
  "usr/share/icons/hicolor/scalable/apps/$app_id.svg"
  "usr/share/icons/hicolor/48x48/apps/$app_id.png"
  "usr/share/icons/hicolor/128x128/apps/$app_id.png"
  "usr/share/icons/hicolor/256x256/apps/$app_id.png"
  usr/share/man/man1/quarvel.1.gz
  usr/share/man/man1/quarvel-cli.1.gz
  usr/share/doc/quarvel/copyright
  usr/share/doc/quarvel/changelog.gz
)
for file in "${expected[@]}"; do
  grep -qxF "$file" "$work/contents" || fail "the package lacks $file"
  say "  has $file"
done

# --- lintian ---------------------------------------------------------------------------------
# Any error or warning fails the check. An override belongs in the package's lintian overrides,
# each with a comment that says why.
say "lintian $(basename "$deb")"
if ! lintian --fail-on error,warning --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1; then
  cat "$work/lintian.log" >&2
  fail "lintian found errors or warnings in the package"
fi
grep -v 'root privileges' "$work/lintian.log" || true
say "lintian: no errors, no warnings"

# --- Unpack it into a scratch root ----------------------------------------------------------
root="$work/root"
dpkg-deb -x "$deb" "$root"

# The PNG icons: real PNGs of their size (width and height are bytes 16 to 23 of the file).
for size in 48 128 256; do
  png="$root/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
  [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] ||
    fail "$png is not a PNG file"
  read -r w0 w1 w2 w3 h0 h1 h2 h3 < <(od -An -tu1 -j16 -N8 "$png")
  width=$(((w0 << 24) | (w1 << 16) | (w2 << 8) | w3))
  height=$(((h0 << 24) | (h1 << 16) | (h2 << 8) | h3))
  if [ "$width" -ne "$size" ] || [ "$height" -ne "$size" ]; then
    fail "the ${size}x${size} icon is ${width}x${height}"
  fi
done
say "icons: 48, 128 and 256 px PNGs of the right size"

# The man pages: gzip files holding a page of the right name.
for page in quarvel quarvel-cli; do
  gz="$root/usr/share/man/man1/$page.1.gz"
  title=$(gzip -dc "$gz" | sed -n 's/^\.TH \([^ ]*\) 1 .*/\1/p')
  [ "$title" = "$(printf '%s' "$page" | tr '[:lower:]' '[:upper:]')" ] ||
    fail "$page.1.gz is no man page for $page"
done
say "man pages: quarvel(1) and quarvel-cli(1)"

# --- Validators -----------------------------------------------------------------------------
desktop="$root/usr/share/applications/$app_id.desktop"
say "desktop-file-validate $app_id.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate found errors in $app_id.desktop"

# appstreamcli fails on warnings as well as errors. Errors always fail the check; of the
# warnings, only those saying that a screenshot or web address could not be reached are accepted
# (--no-net does not fetch them, but a validator may still say so). Infos are printed only.
appstream_check() {
  local what=$1 log="$work/appstream.log" status=0
  shift
  say "appstreamcli $* ($what)"
  appstreamcli "$@" >"$log" 2>&1 || status=$?
  cat "$log"
  [ "$status" -eq 0 ] && return 0
  # Issue lines read "E: COMPONENT:LINE: TAG DETAIL", indented by validate-tree.
  if awk '$1 == "E:" { found = 1 } END { exit !found }' "$log"; then
    fail "appstreamcli found errors in $what"
  fi
  local unaccepted
  unaccepted=$(awk '$1 == "W:" && $3 != "url-not-reachable" && $3 != "screenshot-image-not-found" &&
                    $3 != "screenshot-video-not-found" { printf "%s ", $3 }' "$log")
  if [ -n "$unaccepted" ]; then
    fail "appstreamcli warns about $what: $unaccepted"
  fi
  if ! awk '$1 == "W:" { found = 1 } END { exit !found }' "$log"; then
    fail "appstreamcli could not validate $what (status $status)"
  fi
  say "accepted: only unreachable addresses were reported"
}
metainfo="$root/usr/share/metainfo/$app_id.metainfo.xml"
appstream_check "$app_id.metainfo.xml" validate --no-net "$metainfo"
# The metainfo together with the files it names (the menu entry it launches).
appstream_check "the installed tree" validate-tree --no-net "$root"

# --- Run the installed quarvel-cli ----------------------------------------------------------
cli="$root/usr/bin/quarvel-cli"
[ -x "$cli" ] || fail "usr/bin/quarvel-cli is not executable"
"$cli" print >"$work/print.out" || fail "quarvel-cli print exited with status $?"
first_line=$(head -n 1 "$work/print.out")
[ "$first_line" = $'// Quarvel v3\r' ] ||
  fail "quarvel-cli print's first line is $(printf '%q' "$first_line"), not '// Quarvel v3' with CR LF"
"$cli" --help >/dev/null || fail "quarvel-cli --help exited with status $?"
say "the installed quarvel-cli prints the script (first line \"// Quarvel v3\", CR LF)"

say "all checks passed: $(basename "$deb")"
