# Sourced by the test scripts: a private Xvfb on the first free display
# number. velkor_start_xvfb exports DISPLAY and leaves the server's process
# id in velkor_xvfb_pid, or returns 1 after saying why no server would start;
# velkor_stop_xvfb stops that server. The screen is large enough for the
# editor at twice its size.
velkor_xvfb_pid=

velkor_start_xvfb() {
  n=99
  attempts=0
  log=$(mktemp)
  while :; do
    while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 2048x1536x24 -nolisten tcp >"$log" 2>&1 &
    velkor_xvfb_pid=$!
    tries=0
    while [ ! -e "/tmp/.X11-unix/X$n" ] && [ "$tries" -lt 100 ] && kill -0 "$velkor_xvfb_pid" 2>/dev/null; do
      sleep 0.1
      tries=$((tries + 1))
    done
    if kill -0 "$velkor_xvfb_pid" 2>/dev/null; then
      break
    fi
    # Another server that started at the same moment may have taken the
    # number: try the next few, but a server that fails every time has
    # another reason, which it said.
    attempts=$((attempts + 1))
    if [ "$attempts" -ge 10 ]; then
      echo "xvfb.sh: Xvfb failed to start $attempts times (displays up to :$n); its last words:" >&2
      tail -n 5 "$log" >&2
      rm -f "$log"
      velkor_xvfb_pid=
      return 1
    fi
    n=$((n + 1))
  done
  rm -f "$log"
  DISPLAY=":$n"
  export DISPLAY
}

velkor_stop_xvfb() {
  if [ -n "$velkor_xvfb_pid" ]; then
    kill "$velkor_xvfb_pid" 2>/dev/null || true
    wait "$velkor_xvfb_pid" 2>/dev/null || true
    velkor_xvfb_pid=
  fi
}
