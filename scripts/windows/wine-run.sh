#!/bin/sh
# Runs a Windows program under Wine, quietly, in the project's own Wine
# prefix (created on first use). The Windows build runs its tests, and
# GoogleTest's test discovery, through this.
#
# Editor windows need an X server: the one in DISPLAY when there is one
# (scripts/windows/test.sh starts a private Xvfb for the whole job), or else
# a private Xvfb started for this one program and stopped after it.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
. "$here/paths.sh"
WINEPREFIX=$velkor_win_wineprefix
WINEDEBUG=-all
# No prompts to install Wine's .NET and HTML engines: nothing here uses them.
WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX WINEDEBUG WINEDLLOVERRIDES
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$velkor_win_cache"
  # Test processes start in parallel; one of them creates the prefix.
  flock "$velkor_win_cache/wineprefix.lock" \
    sh -c '[ -f "$WINEPREFIX/system.reg" ] || wineboot --init >/dev/null 2>&1'
fi
if [ -n "${DISPLAY:-}" ] || ! command -v Xvfb >/dev/null 2>&1; then
  exec wine "$@"
fi

. "$here/../xvfb.sh"
velkor_start_xvfb
status=0
wine "$@" || status=$?
# Wine's desktop process holds the display until the prefix's server ends.
wineserver -w || true
velkor_stop_xvfb
exit "$status"
