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
# Made once wineboot has set the prefix up. The registry files say nothing:
# a persistent Wine server writes them when it likes.
ready=$WINEPREFIX/.velkor-ready
if [ ! -f "$ready" ]; then
  mkdir -p "$velkor_win_cache" "$WINEPREFIX"
  # Test processes start in parallel; one of them creates the prefix. -o
  # keeps the lock from Wine's own processes, which wineboot leaves running
  # and which would otherwise hold it for as long as the Wine server lives.
  READY=$ready flock -o "$velkor_win_cache/wineprefix.lock" \
    sh -c '[ -f "$READY" ] || { wineboot --init >/dev/null 2>&1 && touch "$READY"; }'
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
