# Sourced by the test scripts: a private Xvfb on the first free display
# number. velkor_start_xvfb exports DISPLAY and leaves the server's process
# id in velkor_xvfb_pid; velkor_stop_xvfb stops that server.
velkor_xvfb_pid=

velkor_start_xvfb() {
  n=99
  while :; do
    while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    velkor_xvfb_pid=$!
    tries=0
    while [ ! -e "/tmp/.X11-unix/X$n" ] && [ "$tries" -lt 100 ] && kill -0 "$velkor_xvfb_pid" 2>/dev/null; do
      sleep 0.1
      tries=$((tries + 1))
    done
    # Another server that started at the same moment took the number.
    if kill -0 "$velkor_xvfb_pid" 2>/dev/null; then
      break
    fi
    n=$((n + 1))
  done
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
