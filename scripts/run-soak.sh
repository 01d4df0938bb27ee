#!/usr/bin/env bash
# The long soak in a sanitizer build: first quirtal_soak (random input through
# the real callbacks for many frames), then the real game binary played with
# random keys on its own Xvfb and ended through its exit path. Both run in
# DATA_ROOT, the build tree whose data/ they read. Extra arguments go to
# quirtal_soak; GAME_SOAK_SECONDS sets the length of the second part.
set -euo pipefail
usage="usage: run-soak.sh DATA_ROOT path/to/quirtal_soak path/to/quirtal [options]"
root=$(readlink -f "${1:?$usage}")
soak=$(readlink -f "${2:?$usage}")
game=$(readlink -f "${3:?$usage}")
shift 3
source_dir=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
export SDL_AUDIODRIVER=dummy QUIRTAL_NO_MESSAGE_BOX=1
export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$source_dir/tests/soak/lsan.supp:print_suppressions=0
"$source_dir/scripts/with-xvfb.sh" "$soak" --frames 100000 --warmup 1000 "$@"
python3 "$source_dir/tests/soak/game_soak.py" "$game" "$root" "$root/game-soak" "${GAME_SOAK_SECONDS:-600}"
