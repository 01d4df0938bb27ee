#!/usr/bin/env bash
# Runs the benchmarks of a build made with -DQUIRTAL_BENCH=ON from that build
# tree (where its data/ lives) and prints one table. Needs DISPLAY
# (make bench runs it under its own Xvfb). Nothing here passes or fails on a
# figure: the numbers are for reading.
set -euo pipefail
build=$(readlink -f "${1:?usage: run-bench.sh BUILD_DIR}")
cd "$build"
bin=$build/bench
export SDL_AUDIODRIVER=dummy QUIRTAL_NO_MESSAGE_BOX=1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
results=$work/results

"$bin/quirtal_frame_bench" >> "$results"

# The game against a bare program drawing the same scene (no multisampling,
# one display list), at two window sizes; the two alternate three times and
# each keeps its median.
for size in 800x600 1600x900; do
  for _ in 1 2 3; do
    for kind in game bare; do
      "$bin/quirtal_window_fill" "$kind" "$size" >> "$work/fill" || true
    done
  done
done
for name in $(cut -f1 "$work/fill" | uniq | sort -u); do
  awk -F'\t' -v k="$name" '$1 == k { print $2 }' "$work/fill" | sort -g | sed -n 2p |
    awk -v k="$name" '{ printf "%s\t%s\tfps\n", k, $1 }' >> "$results"
done
"$bin/quirtal_reference_scene" >> "$results"

# Start-up is short and noisy: the median of five fresh processes.
for _ in 1 2 3 4 5; do
  "$bin/quirtal_startup_bench" --launched-at "$(date +%s%N)" >> "$work/startup"
done
# The real binary too: the preloaded probe ends it at its first buffer swap.
for _ in 1 2 3 4 5; do
  QUIRTAL_LAUNCHED_AT=$(date +%s%N) LD_PRELOAD="$bin/libquirtal_first_frame_probe.so" \
    "$build/quirtal" >> "$work/startup" 2> /dev/null || true
done
for name in $(cut -f1 "$work/startup" | sort -u); do
  values=$(awk -F'\t' -v k="$name" '$1 == k { print $2 }' "$work/startup" | sort -g)
  count=$(echo "$values" | wc -l)
  middle=$(echo "$values" | sed -n "$(( (count + 1) / 2 ))p")
  unit=$(awk -F'\t' -v k="$name" '$1 == k { print $3; exit }' "$work/startup")
  printf '%s\t%s\t%s\n' "$name" "$middle" "$unit" >> "$results"
done

"$bin/quirtal_menu_cpu_bench" >> "$results"
"$bin/quirtal_sim_bench" >> "$results"
"$bin/quirtal_replay_bench" >> "$results"
"$bin/quirtal_match_pace" >> "$results"
"$bin/quirtal_net_bench" >> "$results"
"$bin/quirtal_ladder_bench" >> "$results"

# Equal normal sides over 40 seeds for each rule set, from the arena's summary.
for rules in classic table; do
  "$build/quirtal-arena" --rules "$rules" --seeds 1-40 | tail -2 | tr '\n' ' ' | python3 -c '
import re, sys
rules = sys.argv[1]
f = dict(re.findall(r"(\w+)=([\w.:-]+)", sys.stdin.read()))
matches = int(f["matches"])
rows = [("home (player 1) win share", 100.0 * int(f["home_wins"]) / matches, "%"),
        ("away (player 2) win share", 100.0 * int(f["away_wins"]) / matches, "%"),
        ("median match length", float(f["median_seconds"]), "s"),
        ("goals per minute", float(f["goals_per_minute"]), "/min"),
        ("own-goal share", 100.0 * float(f["own_goal_share"]), "%"),
        ("longest stretch without a touch", float(f["longest_untouched_seconds"]), "s")]
for name, value, unit in rows:
    print("arena %s, 40 seeds: %s\t%.2f\t%s" % (rules, name, value, unit))
' "$rules" >> "$results"
done

# The asset readers' Google benchmarks: time per case, and its counters.
if [ -x "$bin/quirtal_assets_bench" ]; then
  if ! "$bin/quirtal_assets_bench" --benchmark_format=json 2> /dev/null > "$work/assets.json"; then
    printf 'assets: benchmark failed\t-\t\n' >> "$results"
  fi
  python3 - "$work/assets.json" >> "$results" << 'PARSE'
import json, sys
try:
    runs = json.load(open(sys.argv[1]))["benchmarks"]
except (ValueError, KeyError):
    runs = []
standard = {"name", "run_name", "run_type", "repetitions", "repetition_index", "threads",
            "iterations", "real_time", "cpu_time", "time_unit", "family_index",
            "per_family_instance_index", "aggregate_name", "aggregate_unit", "big_o",
            "complexity_n", "rms", "label", "error_occurred", "error_message"}
for run in runs:
    if run.get("run_type") != "iteration":
        continue
    print("assets: %s\t%.4g\t%s" % (run["name"], run["real_time"], run["time_unit"]))
    for key, value in run.items():
        if key not in standard and isinstance(value, (int, float)):
            print("assets: %s\t%.4g\t%s" % (run["name"], value, key))
PARSE
fi

# Where the play frame goes: samples of the frame benchmark by shared object.
if command -v perf > /dev/null && perf record -q -F 499 -g -o "$work/perf.data" \
     "$bin/quirtal_frame_bench" --profile 150 > /dev/null 2>&1; then
  perf report -i "$work/perf.data" --no-children --sort dso --stdio 2> /dev/null |
    awk -v out="$results" '
      /^ *[0-9.]+%/ {
        share = $1; sub("%", "", share); dso = $2
        if (dso ~ /quirtal/) group = "game code"
        else if (dso ~ /gallium|swrast|dri|mesa|libGL|glapi|llvm|JIT|unknown|perf-/) group = "GL driver (Mesa llvmpipe)"
        else if (dso ~ /kernel/) group = "kernel"
        else if (dso ~ /libX|xcb/) group = "X client libraries"
        else group = "C and C++ libraries"
        sum[group] += share
      }
      END { for (g in sum) printf "profile: %s\t%.1f\t%%\n", g, sum[g] >> out }'
  perf report -i "$work/perf.data" --no-children --sort dso,sym --stdio 2> /dev/null |
    awk -v out="$results" '/^ *[0-9.]+%/ && $2 ~ /quirtal/ && n < 5 {
        share = $1; sub("%", "", share); sym = $0; sub(/.*\] /, "", sym)
        printf "profile: game: %s\t%.1f\t%%\n", sym, share >> out; n++ }'
fi

printf '%-58s %12s  %s\n' "benchmark" "value" "unit"
printf '%-58s %12s  %s\n' "---------" "-----" "----"
awk -F'\t' '{ printf "%-58s %12s  %s\n", $1, $2, $3 }' "$results"
