#!/usr/bin/env bash
# The programs that the build and the tests call, each with the Debian package it comes from, as
# scripts/packages lists them.
#   tests/programs.sh                        fails unless every listed program is on the PATH
#   . tests/programs.sh; require_programs Xvfb xdotool    (in a test: fails naming the package)
# A test never skips itself for a missing program: it fails and says what to install.
programs_list="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/scripts/packages"

# The package that brings PROGRAM, or nothing when the list does not name it.
package_of() {
  sed 's/#.*//' "$programs_list" | awk -v want="$1" '{ for (i = 2; i <= NF; i++) if ($i == want) { print $1; exit } }'
}

# Prints one line per missing program and returns 1 when any is missing.
missing_programs() {
  local program package status=0
  for program in "$@"; do
    command -v "$program" >/dev/null 2>&1 && continue
    package=$(package_of "$program")
    echo "$program is missing: install the Debian package ${package:-(not in scripts/packages)} (scripts/setup does)"
    status=1
  done
  return $status
}

require_programs() {
  local complaint
  complaint=$(missing_programs "$@") && return 0
  echo "FAIL: $complaint" >&2
  exit 1
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  set -euo pipefail
  mapfile -t listed < <(sed 's/#.*//' "$programs_list" | awk '{ for (i = 2; i <= NF; i++) print $i }')
  [ ${#listed[@]} -gt 0 ] || { echo "FAIL: $programs_list lists no programs" >&2; exit 1; }
  if ! complaint=$(missing_programs "${listed[@]}"); then
    echo "FAIL: $complaint" >&2
    exit 1
  fi
  echo "all ${#listed[@]} programs of scripts/packages are on the PATH"
fi
