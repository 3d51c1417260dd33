#!/usr/bin/env bash
# Builds the installer and the zip with CPack, then installs Tarvex silently under Wine into a
# folder of its own, finds the program, its licence, its uninstaller, the Start menu entries and the
# entry in the installed programs; uninstalls it silently and finds none of them left.
#   check_installer.sh BUILD_DIR VERSION WINE_RUN
set -uo pipefail
build=$1
version=$2
wine_run=$3
: "${WINEPREFIX:?the tests prefix}"
package=tarvex-$version-win64

work=$(mktemp -d "$build/installer-test.XXXXXX")
drive_c=$WINEPREFIX/drive_c
# A scratch folder of the prefix's C: drive, so that nothing of an earlier install can be found.
scratch=tarvex-installer-test-$$
target_dos="C:\\$scratch\\Tarvex"
target=$drive_c/$scratch/Tarvex
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarvex'
cleanup() { rm -rf "${work:?}" "${drive_c:?}/${scratch:?}"; }
trap cleanup EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

if ! (cd "$build" && cpack -G "NSIS;ZIP" -B "$work" >"$work/cpack.log" 2>&1); then
  cat "$work/cpack.log" "$work"/_CPack_Packages/*/NSIS/NSISOutput.log >&2 2>/dev/null
  echo "FAIL: cpack could not build the packages" >&2
  exit 1
fi
installer=$work/$package.exe
zip=$work/$package.zip
[ -f "$installer" ] || { ls "$work" >&2; echo "FAIL: no $package.exe" >&2; exit 1; }

# The zip: the program and its licence in one folder named after the version.
if [ -f "$zip" ]; then
  listing=$(unzip -Z1 "$zip")
  for file in tarvex.exe licence.txt; do
    grep -qx "$package/$file" <<<"$listing" || fail "the zip has no $package/$file (it has: ${listing//$'\n'/ })"
  done
else
  fail "no $package.zip"
fi

start_menu_entries() {
  find "$drive_c" -path '*/Start Menu/Programs/Tarvex*' 2>/dev/null
}
[ -z "$(start_menu_entries)" ] || fail "a Start menu entry for Tarvex is there before installing: $(start_menu_entries)"

# /S: no questions; /D: where to (the last argument, unquoted, as the installer wants it).
"$wine_run" "$installer" /S "/D=$target_dos" || fail "the installer ended with status $?"

for file in tarvex.exe licence.txt Uninstall.exe; do
  [ -f "$target/$file" ] || fail "the install has no $file"
done
shortcut=$(start_menu_entries | grep '/Tarvex\.lnk$' | head -n 1)
if [ -z "$shortcut" ]; then
  fail "the install made no Start menu entry Tarvex (found: $(start_menu_entries))"
else
  strings -e l "$shortcut" | grep -qi 'tarvex\.exe' || fail "the Start menu entry does not start tarvex.exe"
fi
start_menu_entries | grep -q '/Uninstall\.lnk$' || fail "the install made no Start menu entry for uninstalling"
"$wine_run" reg query "$uninstall_key" /v DisplayVersion 2>/dev/null | grep -q "$version" ||
  fail "the installed programs have no Tarvex $version"

# The uninstaller copies itself away and runs from there, so the call returns before it is done.
"$wine_run" "$target_dos\\Uninstall.exe" /S || fail "the uninstaller ended with status $?"
for _ in $(seq 1 240); do
  [ ! -e "$target" ] && [ -z "$(start_menu_entries)" ] && break
  sleep 0.5
done
[ ! -e "$target" ] || fail "after uninstalling, the install folder still holds: $(cd "$target" && ls -A | tr '\n' ' ')"
[ -z "$(start_menu_entries)" ] || fail "after uninstalling, the Start menu still has: $(start_menu_entries)"
"$wine_run" reg query "$uninstall_key" >/dev/null 2>&1 && fail "after uninstalling, the installed programs still list Tarvex"
for root in HKLM HKCU; do
  "$wine_run" reg query "$root\Software\The Tarvex developers" >/dev/null 2>&1 &&
    fail "after uninstalling, the registry still has $root\Software\The Tarvex developers"
done

[ "$failures" -eq 0 ] || { echo "$failures failure(s)" >&2; exit 1; }
echo "installed $package.exe, found the program and its Start menu entries, uninstalled, nothing left"
