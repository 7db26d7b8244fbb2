# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the tests that run the program in a real X window: sourced, with
# `fail` defined and `logs` naming a folder for the logs.

# Starts Xvfb on a display nobody uses; sets xpid and DISPLAY.
start_x_server() {
  n=90
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp > "$logs/xvfb.log" 2>&1 &
  xpid=$!
  export DISPLAY=":$n"
  export QT_QPA_PLATFORM=xcb  # a real window, whatever the other tests use
  for i in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
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
