#!/usr/bin/env bash
# Runs a command with DISPLAY pointing at a private Xvfb server, started here
# and stopped when the command ends.
set -u
for n in $(seq 90 140); do
  if [ ! -e "/tmp/.X${n}-lock" ] && [ ! -e "/tmp/.X11-unix/X${n}" ]; then
    display=":$n"
    break
  fi
done
if [ -z "${display:-}" ]; then
  echo "with-xvfb: no free display number" >&2
  exit 1
fi
Xvfb "$display" -screen 0 1920x1200x24 -nolisten tcp +extension GLX +render -noreset >/tmp/xvfb-${display#:}.log 2>&1 &
xvfb_pid=$!
trap 'kill $xvfb_pid 2>/dev/null; wait $xvfb_pid 2>/dev/null' EXIT
for _ in $(seq 1 100); do
  if xdpyinfo -display "$display" >/dev/null 2>&1; then break; fi
  sleep 0.1
done
export DISPLAY="$display"
export LIBGL_ALWAYS_SOFTWARE=1
"$@"
