#!/bin/sh
# The Wine session that a Windows build's tests share (WINEPREFIX from the caller).
#   wine_session.sh prefix  lays the prefix out unless it is there (one caller at a time)
#   wine_session.sh start   the prefix, then one wineserver that stays for the whole run
#   wine_session.sh stop    ends that wineserver and every Windows program still running in it
set -eu
: "${WINEPREFIX:?WINEPREFIX must name the tests prefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
# A new prefix would offer to fetch Wine's .NET and browser engine, which nothing here uses, in a
# dialog that no one answers; and Wine would copy the prefix's Start menu to this machine's desktop.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}"
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver64

lay_out_prefix() {
  mkdir -p "$WINEPREFIX"
  exec 9>"$WINEPREFIX.lock"
  flock 9
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    # Wine tells of every part of the prefix it lays out: kept beside it, out of the tests' output.
    if ! "$wine" wineboot --init >"$WINEPREFIX.log" 2>&1; then
      cat "$WINEPREFIX.log" >&2
      echo "wine_session.sh: Wine could not lay out $WINEPREFIX" >&2
      exit 1
    fi
    "$wineserver" --wait
  fi
  flock --unlock 9
}

case "${1:-}" in
  prefix)
    lay_out_prefix
    ;;
  start)
    lay_out_prefix
    # Persistent: each test's program starts at once instead of waiting on a new server. The server
    # and Wine's own background programs, started here, hold none of CTest's output pipes open.
    # A server that is still winding down after listing the suites would refuse to stay: it ends first.
    "$wineserver" --wait
    "$wineserver" --persistent </dev/null >/dev/null 2>&1
    "$wine" cmd /c exit </dev/null >/dev/null 2>&1
    ;;
  stop)
    "$wineserver" --kill || true
    "$wineserver" --wait || true
    ;;
  *)
    echo "usage: wine_session.sh prefix|start|stop" >&2
    exit 2
    ;;
esac
