#!/usr/bin/env bash
# Builds the image and model reader, replay reader and network packet fuzz targets (clang, libFuzzer,
# AddressSanitizer, UndefinedBehaviorSanitizer) into build-fuzz/ and runs them.
#   scripts/fuzz.sh runs N [target...]     N inputs per target, after the kept crash inputs
#   scripts/fuzz.sh seconds S [target...]  S seconds per target
# Seeds are made here with ImageMagick, cjpeg and assimp's test models, and
# replays recorded by the arena ($QUIRTAL_ARENA, else build/quirtal-arena); new
# corpus entries collect in build-fuzz/corpus/, findings in build-fuzz/crashes/.
# Inputs worth keeping as regression cases go to fuzz/regressions/<target>/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${FUZZ_BUILD_DIR:-$root/build-fuzz}
mode=${1:-runs}
amount=${2:-2000}
shift $(( $# >= 2 ? 2 : $# ))
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(bmp tga jpeg model3ds replay net_packet)

declare -A readerSources=(
  [bmp]="src/assets/bmp_reader.cpp src/assets/file_bytes.cpp"
  [tga]="src/assets/tga_reader.cpp src/assets/file_bytes.cpp"
  [jpeg]="src/assets/jpeg_reader.cpp"
  [model3ds]="src/assets/reader_3ds.cpp"
  [replay]="src/replay/replay_format.cpp src/sim/input_packing.cpp"
  [net_packet]="src/net/net_packets.cpp src/net/byte_stream.cpp src/sim/input_packing.cpp"
)
commonSources="src/platform/file_names.cpp src/platform/message_box.cpp fuzz/fuzz_input.cpp"

build_target() {
  local name=$1 binary="$out/${1}_fuzz"
  if [ -x "$binary" ] && [ -z "$(find "$root/src/assets" "$root/src/platform" "$root/src/replay" "$root/src/net" "$root/src/sim" "$root/fuzz" -newer "$binary" -name '*.[ch]*' -print -quit)" ]; then
    return
  fi
  echo "fuzz: building $name"
  (cd "$root" && nice clang++ -std=c++17 -g -O1 -Wall -Wextra \
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer \
    -Isrc $(pkg-config --cflags sdl2) \
    "fuzz/${name}_fuzz.cpp" ${readerSources[$name]} $commonSources \
    $(pkg-config --libs sdl2) -ljpeg -o "$binary")
}

# Packets as a peer sends them, each behind its length byte: a hello, two
# input packets and a state hash.
make_packet_seeds() {
  local seeds="$out/seeds/net_packet"
  [ -f "$seeds/.made" ] && return
  mkdir -p "$seeds"
  printf '\x07\x01\x02\x00\x031.0' > "$seeds/hello.bin"
  printf '\x20\x04\x00\x00\x00\x00\x02\x01\x00\x00\x00\x02\x02\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00\x10\x00\x00\x00\x00\x00\x00\x00\x00\x00' > "$seeds/inputs.bin"
  printf '\x1c\x04\x03\x00\x00\x00\x01\x04\x44\x00\x00\x05\x00\x00\x00\x03\x00\x00\x00\x20\x00\x00\x00\x10\x00\x00\x00\x05\x00' >> "$seeds/inputs.bin"
  printf '\x0d\x05\x03\x00\x00\x00\x11\x22\x33\x44\x55\x66\x77\x88' > "$seeds/hash.bin"
  touch "$seeds/.made"
}

make_seeds() {
  local seeds="$out/seeds"
  make_packet_seeds
  [ -f "$seeds/.made" ] && return
  echo "fuzz: making seeds"
  mkdir -p "$seeds"/{bmp,tga,jpeg,model3ds}
  local picture="$seeds/source.png"
  convert -seed 4 -size 9x7 plasma: "$picture"
  convert "$picture" -monochrome "BMP3:$seeds/bmp/mono.bmp"
  convert "$picture" -colors 16 -compress None "BMP3:$seeds/bmp/four.bmp"
  convert "$picture" -colors 60 -compress None "BMP3:$seeds/bmp/eight.bmp"
  convert "$picture" -colors 60 -compress RLE "BMP3:$seeds/bmp/rle8.bmp"
  convert "$picture" -type truecolor "BMP3:$seeds/bmp/true24.bmp"
  convert "$picture" -alpha set -define bmp3:alpha=true "BMP3:$seeds/bmp/true32.bmp"
  convert "$picture" "BMP2:$seeds/bmp/core24.bmp"
  convert "$picture" -colors 16 "BMP2:$seeds/bmp/core4.bmp"
  convert "$picture" -define bmp:subtype=RGB565 "BMP:$seeds/bmp/fields565.bmp"
  convert "$picture" -compress RLE "TGA:$seeds/tga/rle24.tga"
  convert "$picture" -compress None "TGA:$seeds/tga/raw24.tga"
  convert "$picture" -alpha set -compress RLE "TGA:$seeds/tga/rle32.tga"
  convert "$picture" -alpha set -compress None "TGA:$seeds/tga/raw32.tga"
  convert "$picture" -depth 8 "$seeds/source.ppm"
  cjpeg "$seeds/source.ppm" > "$seeds/jpeg/baseline.jpg"
  cjpeg -progressive "$seeds/source.ppm" > "$seeds/jpeg/progressive.jpg"
  cjpeg -grayscale "$seeds/source.ppm" > "$seeds/jpeg/grey.jpg"
  convert "$picture" -colorspace CMYK "$seeds/jpeg/cmyk.jpg"
  cp /usr/share/assimp/models/3DS/*.[3][dD][sS] "$seeds/model3ds/" 2>/dev/null || true
  touch "$seeds/.made"
}

# A few short matches of scripted players recorded by the arena, made once
# the arena has been built.
make_replay_seeds() {
  local seeds="$out/seeds/replay" arena=${QUIRTAL_ARENA:-$root/build/quirtal-arena}
  mkdir -p "$seeds"
  [ -n "$(ls -A "$seeds")" ] || [ ! -x "$arena" ] && return
  echo "fuzz: recording replay seeds"
  "$arena" --seeds 1-2 --home random --away reference --minutes 0.5 --record "$seeds" > /dev/null
  "$arena" --seed 3 --home hold-kick --away line-up --minutes 0.2 --record "$seeds" > /dev/null
}

mkdir -p "$out/crashes"
make_seeds
make_replay_seeds
status=0
for name in "${targets[@]}"; do
  build_target "$name"
  binary="$out/${name}_fuzz"
  corpus="$out/corpus/$name"
  mkdir -p "$corpus"
  regressions="$root/fuzz/regressions/$name"
  if [ -d "$regressions" ] && [ -n "$(ls -A "$regressions")" ]; then
    "$binary" -close_fd_mask=3 "$regressions"/* > "$out/$name-regressions.log" 2>&1 \
      || { echo "fuzz: $name fails a kept input (see $out/$name-regressions.log)"; status=1; continue; }
  fi
  limit="-runs=$amount"
  [ "$mode" = seconds ] && limit="-max_total_time=$amount"
  echo "fuzz: $name $mode=$amount"
  if ! nice -n 19 "$binary" $limit -close_fd_mask=3 -rss_limit_mb=2048 -max_len=65536 -timeout=60 \
      -print_final_stats=1 -artifact_prefix="$out/crashes/$name-" "$corpus" "$out/seeds/$name" \
      > "$out/$name.log" 2>&1; then
    echo "fuzz: $name found a problem (see $out/$name.log)"
    status=1
  fi
  grep -E "stat::number_of_executed_units" "$out/$name.log" || true
done
exit $status
