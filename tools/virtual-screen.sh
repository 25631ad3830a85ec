# Sourced by run-demo.sh when there is no X display: a virtual screen that
# a person can still look at.
#
#   virtual_screen_start PICTURE
#
# starts Xvfb on a free display and exports DISPLAY, starts a VNC server
# (x11vnc) that shows that screen on 127.0.0.1 only, prints how to
# connect, and watches the screen: each time a window opens or closes it
# writes a picture of the whole screen to PICTURE. virtual_screen_stop
# ends all three.

virtual_screen_start() {
  picture=$1
  n=90
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=":$n"
  tries=0
  until xdpyinfo >/dev/null 2>&1; do
    tries=$((tries + 1))
    [ $tries -lt 100 ] || { echo "run-demo: the virtual screen did not start" >&2; return 1; }
    sleep 0.1
  done
  vnc_log=$(mktemp)
  x11vnc -display "$DISPLAY" -localhost -autoport 5900 -forever -shared -nopw -quiet \
    >"$vnc_log" 2>&1 &
  vnc_pid=$!
  port=""
  tries=0
  while [ -z "$port" ] && [ $tries -lt 100 ]; do
    port=$(sed -n 's/^PORT=\([0-9]*\).*/\1/p' "$vnc_log" | head -1)
    tries=$((tries + 1))
    [ -n "$port" ] || sleep 0.1
  done
  if [ -n "$port" ]; then
    echo "run-demo: no DISPLAY: the program runs on a virtual screen ($DISPLAY)."
    echo "run-demo: to see it, point a VNC viewer at 127.0.0.1:$port" \
      "(e.g. 'vncviewer 127.0.0.1::$port'; from another machine, 'ssh -L $port:127.0.0.1:$port' first)."
  else
    echo "run-demo: no DISPLAY: virtual screen $DISPLAY; the VNC server did not start:" >&2
    cat "$vnc_log" >&2
  fi
  echo "run-demo: a picture of the screen is written to $picture each time a window opens or closes."
  echo "run-demo: close the program, or press Ctrl+C."
  screen_watch "$picture" &
  watch_pid=$!
}

# The visible top-level windows, one line each; a change means a window
# opened or closed.
screen_windows() {
  xwininfo -root -children 2>/dev/null | sed -n 's/^ *\(0x[0-9a-f]*\) .*/\1/p' |
    while read -r id; do
      xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' && echo "$id"
    done
}

screen_watch() {
  before=""
  while :; do
    now=$(screen_windows | tr '\n' ' ')
    if [ "$now" != "$before" ]; then
      sleep 0.3  # let the new window paint
      import -window root "$1.tmp.png" 2>/dev/null && mv "$1.tmp.png" "$1"
      before=$now
    fi
    sleep 0.5
  done
}

virtual_screen_stop() {
  [ -n "$watch_pid" ] && kill "$watch_pid" 2>/dev/null
  [ -n "$vnc_pid" ] && kill "$vnc_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  [ -n "$vnc_log" ] && rm -f "$vnc_log"
  watch_pid="" vnc_pid="" xvfb_pid=""
}
