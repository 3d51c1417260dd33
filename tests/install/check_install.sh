#!/usr/bin/env bash
# Installs the build into a fresh temporary prefix and checks one aspect of the result:
#   check_install.sh BUILD_DIR layout        the files, exactly, and the desktop tools accept them
#   check_install.sh BUILD_DIR icons         each PNG icon has the size its folder names
#   check_install.sh BUILD_DIR command_line  tarvex's options, their output and exit statuses
#   check_install.sh BUILD_DIR testing       the driver comes only with the testers' component
# TARVEX_VERSION, set by CTest, is the project's version that the program and its metadata give.
set -euo pipefail

build=$1
aspect=$2
id=org.example.tarvex.Tarvex
version_pattern=${TARVEX_VERSION//./\\.}
. "$(dirname "$0")/../programs.sh"

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# expect_run STATUS STDOUT-PATTERN STDERR-PATTERN -- ARGS...: runs the installed tarvex with ARGS.
expect_run() {
  local want_status=$1 out_pattern=$2 err_pattern=$3 status=0 out err
  shift 4
  out=$("$prefix/bin/tarvex" "$@" 2>"$prefix.stderr") || status=$?
  err=$(cat "$prefix.stderr")
  rm -f "$prefix.stderr"
  [ "$status" = "$want_status" ] || fail "tarvex $*: exit status $status, expected $want_status"
  [[ $out =~ $out_pattern ]] || fail "tarvex $*: stdout '$out' does not match '$out_pattern'"
  [[ $err =~ $err_pattern ]] || fail "tarvex $*: stderr '$err' does not match '$err_pattern'"
}

expected_layout() {
  sort <<LAYOUT
bin/tarvex
share/applications/$id.desktop
share/icons/hicolor/16x16/apps/$id.png
share/icons/hicolor/32x32/apps/$id.png
share/icons/hicolor/48x48/apps/$id.png
share/icons/hicolor/64x64/apps/$id.png
share/icons/hicolor/128x128/apps/$id.png
share/icons/hicolor/256x256/apps/$id.png
share/icons/hicolor/scalable/apps/$id.svg
share/man/man1/tarvex.1
share/metainfo/$id.metainfo.xml
LAYOUT
}

case $aspect in
layout)
  require_programs desktop-file-validate appstreamcli
  actual=$(cd "$prefix" && find . -mindepth 1 ! -type d | sed 's|^\./||' | sort)
  if [ "$actual" != "$(expected_layout)" ]; then
    fail "installed files differ from the expected layout (< expected, > installed):"
    diff <(expected_layout) <(echo "$actual") >&2 || true
  fi
  [ -x "$prefix/bin/tarvex" ] || fail "bin/tarvex is not executable"
  desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop-file-validate"
  appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >&2 ||
    fail "appstreamcli validate"
  grep -q "<release version=\"$TARVEX_VERSION\"" "$prefix/share/metainfo/$id.metainfo.xml" ||
    fail "the metainfo has no release entry for $TARVEX_VERSION"
  grep -qx "Icon=$id" "$prefix/share/applications/$id.desktop" ||
    fail "the desktop entry does not name the installed icon"
  if grep -q '@[A-Z_]*@' "$prefix/share/man/man1/tarvex.1"; then
    fail "the manual page has an unfilled @field@"
  fi
  ;;

icons)
  pngs=$(find "$prefix/share/icons/hicolor" -name '*.png' | sort)
  [ "$(wc -l <<<"$pngs")" = 6 ] || fail "expected 6 PNG icons, found: $pngs"
  for png in $pngs; do
    folder=$(basename "$(dirname "$(dirname "$png")")")  # hicolor/<W>x<H>/apps/<id>.png
    [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] ||
      fail "$png is not a PNG"
    # The IHDR chunk follows the signature: width and height, big-endian, at bytes 16 and 20.
    size=$(od -An -tu1 -j16 -N8 "$png" |
      awk '{ printf "%dx%d", $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }')
    [ "$size" = "$folder" ] || fail "$png is $size, its folder says $folder"
  done
  ;;

command_line)
  # Without a display or a desktop session (as root on a bare machine) the answers are still their
  # own lines only, and the window says in one line why it cannot open.
  unset XDG_RUNTIME_DIR DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
  expect_run 0 "^Tarvex $version_pattern\$" '^$' -- --version
  expect_run 0 '--help.*--version' '^$' -- --help
  expect_run 1 '^$' '^tarvex: cannot open the window: there is no display \(DISPLAY is not set\)$' --
  unreachable=99
  while [ -e "/tmp/.X11-unix/X$unreachable" ] || [ -e "/tmp/.X$unreachable-lock" ]; do unreachable=$((unreachable + 1)); done
  DISPLAY=:$unreachable expect_run 1 '^$' "^tarvex: cannot open the window: the display :$unreachable cannot be reached\$" --
  export QT_QPA_PLATFORM=offscreen
  # A session's runtime folder, as a desktop gives one, so that Qt has nothing to remark on stderr.
  export XDG_RUNTIME_DIR=$prefix/runtime
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  expect_run 0 "^Tarvex $version_pattern\$" '^$' -- --version
  expect_run 0 "^Tarvex $version_pattern\$" '^$' -- -v
  expect_run 0 '--help.*--version' '^$' -- --help
  expect_run 0 '^Usage: ' '^$' -- -h
  expect_run 0 '--platform.*--qwindowtitle' '^$' -- --help-all
  expect_run 2 '^$' "Unknown option 'frobnicate'.*--help" -- --frobnicate
  expect_run 2 '^$' "unexpected argument 'file.txt'" -- file.txt
  # Qt takes its own options, with their values, before tarvex sees the rest.
  expect_run 0 "^Tarvex $version_pattern\$" '^$' -- -platform offscreen --version
  expect_run 0 "^Tarvex $version_pattern\$" '^$' -- -style fusion --version
  expect_run 0 "^Tarvex $version_pattern\$" '^$' -- --version -reverse -qwindowtitle Tarvex
  ;;

testing)
  [ ! -e "$prefix/bin/tarvex-drive" ] || fail "a default install carries tarvex-drive"
  cmake --install "$build" --prefix "$prefix" --component testing >/dev/null
  [ -x "$prefix/bin/tarvex-drive" ] || fail "the testing component does not install tarvex-drive"
  ;;

*)
  echo "check_install.sh: unknown aspect '$aspect'" >&2
  exit 2
  ;;
esac

[ "$failures" = 0 ] || exit 1
echo "install $aspect: ok"
