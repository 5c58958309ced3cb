#!/usr/bin/env bash
# Times the start-up to the first painted frame, the program beside a bare Qt
# main window, with hyperfine under a virtual X display of its own:
#   tools/startup.sh [BUILD_DIR]      (default build-rel, a Release build)
# Each run starts on the same data folder and settings in a temporary
# directory (the first, warm-up run seeds it, as the program's first start
# does). The two commands are timed in ROUNDS rounds (default 5) of RUNS runs
# each (default 20); each round gives the ratio of the two medians, and the
# median of those ratios is the figure, which one busy moment cannot move.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build-rel}"
if [[ ! -d "$build" ]]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" -j "${PULSAR_JOBS:-4}" --target pulsar-startup pulsar-startup-bare
command -v hyperfine >/dev/null || { echo "needs hyperfine (apt-get install hyperfine)"; exit 1; }
command -v Xvfb >/dev/null || { echo "needs Xvfb (apt-get install xvfb)"; exit 1; }

scratch="$(mktemp -d)"
display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; rm -rf "$scratch"' EXIT
sleep 1
mkdir -p "$scratch/runtime" && chmod 700 "$scratch/runtime"
export DISPLAY="$display" QT_QPA_PLATFORM=xcb
export PULSAR_DATA_DIR="$scratch/data" XDG_CONFIG_HOME="$scratch/config" XDG_RUNTIME_DIR="$scratch/runtime"
rounds="${ROUNDS:-5}"
echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
for round in $(seq 1 "$rounds"); do
  hyperfine --style none --warmup 5 --runs "${RUNS:-20}" -N --export-csv "$scratch/round$round.csv" \
    "$build/bench/pulsar-startup-bare" "$build/bench/pulsar-startup" >/dev/null
done
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
# Each CSV: command,mean,stddev,median,user,system,min,max (seconds).
echo "| round | pulsar-startup-bare median | pulsar-startup median | ratio |"
echo "|---|---|---|---|"
for round in $(seq 1 "$rounds"); do
  awk -F, -v r="$round" 'NR == 2 { bare = $4 } NR == 3 { prog = $4 }
    END { printf "| %d | %.1f ms | %.1f ms | %.3f |\n", r, bare * 1000, prog * 1000, prog / bare }' \
    "$scratch/round$round.csv"
done | tee "$scratch/rounds.md"
awk -F'|' '{ print $5 + 0 }' "$scratch/rounds.md" | sort -n |
  awk '{ v[NR] = $1 } END { m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2;
    printf "median ratio over %d rounds: %.3f\n", NR, m }'
