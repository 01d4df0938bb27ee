#!/usr/bin/env bash
# Runs the long soak (a sanitizer build of quirtal_soak) from the repository
# root, where data/ lives, on a private Xvfb. Extra arguments go to the soak.
set -euo pipefail
soak=$(readlink -f "${1:?usage: run-soak.sh path/to/quirtal_soak [options]}")
shift
cd "$(dirname "$0")/.."
export SDL_AUDIODRIVER=dummy QUIRTAL_NO_MESSAGE_BOX=1
export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$PWD/tests/soak/lsan.supp:print_suppressions=0
exec scripts/with-xvfb.sh "$soak" --frames 100000 --warmup 1000 "$@"
