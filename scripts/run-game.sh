#!/usr/bin/env bash
# Starts the game built in a build tree; it finds the data set the build
# generated there from any working directory.
set -u
binary=${1:?usage: run-game.sh path/to/quirtal}
if [ -z "${DISPLAY:-}" ]; then
  echo "quirtal: no display (DISPLAY is not set); start it on an X display, or under Xvfb: xvfb-run -s '-screen 0 1024x768x24' make run" >&2
  exit 1
fi
exec "$binary" "$@"
