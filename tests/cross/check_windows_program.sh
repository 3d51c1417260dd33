#!/usr/bin/env bash
# Checks a Windows program of this build from the outside, the way Windows itself reads it.
#   check_windows_program.sh imports PROGRAM.exe...
#       every DLL it loads is one that Windows itself ships: the compiler's runtime, threads and
#       C++ library are linked in, so the .exe runs on a bare Windows
#   check_windows_program.sh resources PROGRAM.exe VERSION ICON.ico
#       it carries the icon with every size from 16 to 256 pixels, the version resource (VERSION,
#       the title Tarvex, the licence) and the manifest (common controls 6, per-monitor DPI)
set -uo pipefail
triplet=x86_64-w64-mingw32
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# DLLs that are part of every Windows 10 and 11 (System32), in lower case.
windows_dlls=" kernel32.dll user32.dll gdi32.dll comctl32.dll comdlg32.dll shell32.dll shlwapi.dll
  advapi32.dll ole32.dll oleaut32.dll uxtheme.dll dwmapi.dll msvcrt.dll ucrtbase.dll imm32.dll
  msimg32.dll version.dll winmm.dll shcore.dll ws2_32.dll bcrypt.dll ntdll.dll "

check_imports() {
  local program dll
  for program in "$@"; do
    [ -f "$program" ] || { fail "$program is missing"; continue; }
    local dlls
    dlls=$("$triplet-objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr '[:upper:]' '[:lower:]')
    [ -n "$dlls" ] || fail "$(basename "$program"): objdump lists no imported DLL at all"
    for dll in $dlls; do
      case "$dll" in
        api-ms-win-*) continue ;;  # Windows' own API sets
      esac
      [[ "$windows_dlls" == *" $dll "* ]] || fail "$(basename "$program") needs $dll, which Windows does not ship"
    done
    echo "$(basename "$program"): ${dlls//$'\n'/ }"
  done
}

check_resources() {
  local program=$1 version=$2 icon=$3 name
  name=$(basename "$program")
  local rc
  rc=$("$triplet-windres" -i "$program" -O rc 2>&1) || { fail "$name: windres cannot read its resources: $rc"; return; }

  # The icon group that Explorer shows: one image per size (a width of 0 stands for 256).
  local group
  group=$(sed -n '/RT_GROUP_ICON/,/^END/p' <<<"$rc")
  [ -n "$group" ] || fail "$name has no icon"
  grep -q '^"TARVEX" 14 ' <<<"$group" || fail "$name: its icon is not named TARVEX, the name its windows load it by"
  local size octal
  for size in 16 24 32 48 64 128 256; do
    octal=$(printf '\\%03o' $((size % 256)))
    grep -qF "\"$octal$octal\\000\\000\"" <<<"$group" || fail "$name: its icon has no ${size}x$size image"
  done

  local major minor patch
  IFS=. read -r major minor patch <<<"$version"
  grep -q "FILEVERSION $major, $minor, $patch, 0" <<<"$rc" || fail "$name: the file version is not $version"
  grep -q "PRODUCTVERSION $major, $minor, $patch, 0" <<<"$rc" || fail "$name: the product version is not $version"
  grep -q "VALUE \"ProductVersion\", \"$version\"" <<<"$rc" || fail "$name: the version text is not $version"
  grep -q 'VALUE "ProductName", "Tarvex"' <<<"$rc" || fail "$name: the product name is not Tarvex"
  grep -q "VALUE \"OriginalFilename\", \"$name\"" <<<"$rc" || fail "$name: the original file name is not $name"
  grep -q 'VALUE "LegalCopyright", ".*licence' <<<"$rc" || fail "$name: the copyright names no licence"

  local manifest
  manifest=$(sed -n '/RT_MANIFEST/,/^END/p' <<<"$rc")
  [ -n "$manifest" ] || fail "$name has no manifest"
  grep -q 'Microsoft.Windows.Common-Controls"" version=""6.0.0.0' <<<"$manifest" ||
    fail "$name: the manifest does not ask for the common controls 6"
  grep -q '<dpiAwareness[^>]*>PerMonitorV2' <<<"$manifest" || fail "$name: the manifest is not per-monitor DPI aware (v2)"
  grep -q 'asInvoker' <<<"$manifest" || fail "$name: the manifest asks for other rights than the user's"

  # The committed icon file itself: every size from 16 to 256, from one drawing.
  local sizes
  sizes=$(identify -format '%w ' "$icon" 2>&1) || { fail "$icon is no icon ImageMagick reads: $sizes"; return; }
  for size in 16 24 32 48 64 128 256; do
    [[ " $sizes" == *" $size "* ]] || fail "$(basename "$icon") has no ${size}x$size image (it has: $sizes)"
  done
  echo "$name: icon ($sizes), version $version, manifest"
}

aspect=${1:-}
shift || true
case "$aspect" in
  imports) check_imports "$@" ;;
  resources) check_resources "$@" ;;
  *) echo "usage: check_windows_program.sh imports|resources ..." >&2; exit 2 ;;
esac
[ "$failures" -eq 0 ] || { echo "$failures failure(s)" >&2; exit 1; }
