# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the tests that run the program in a real X window: sourced, with
# `fail` defined, `logs` naming a folder for the logs and `closer` the program
# that presses a window's close box.

# Starts Xvfb on a display nobody uses and waits until it accepts clients
# (Xvfb itself writes the display's number once it is ready, however long a
# loaded machine makes it take); sets xpid and DISPLAY.
start_x_server() {
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3> "$logs/display" > "$logs/xvfb.log" 2>&1 &
  xpid=$!
  for i in $(seq 600); do
    [ -s "$logs/display" ] && break
    kill -0 "$xpid" 2>/dev/null || fail "Xvfb did not start"
    sleep 0.1
  done
  n=$(tr -d '[:space:]' < "$logs/display")
  [ -n "$n" ] || fail "Xvfb not ready after 60 s"
  export DISPLAY=":$n"
  export QT_QPA_PLATFORM=xcb  # a real window, whatever the other tests use
}

# Waits for the window "Quarvel" and clicks "Lancer le programme", under the
# About page's panel; sets window.
launch_window() {
  window=""
  for i in $(seq 300); do
    window=$(xdotool search --onlyvisible --name '^Quarvel$' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.1
  done
  [ -n "$window" ] || fail "no window Quarvel"
  sleep 1
  xdotool mousemove --window "$window" 281 559 click 1
  sleep 1
}

# Closes the window with its close box and waits for the program, started in
# the background as apid, to end; fails when it does not, or ends with an error.
close_window() {
  "$closer" "$window"
  for i in $(seq 200); do kill -0 "$apid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$apid" 2>/dev/null && fail "the program did not end"
  status=0
  wait "$apid" || status=$?
  apid=""
  [ "$status" -eq 0 ] || fail "the program ended with status $status"
}
