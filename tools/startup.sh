#!/usr/bin/env bash
# Times the start-up to the first painted frame, the program beside a bare Qt
# main window, with hyperfine under a virtual X display of its own:
#   tools/startup.sh [BUILD_DIR]      (default build-rel, a Release build)
# Each run starts on the same data folder and settings in a temporary
# directory (the first, warm-up run seeds it, as the program's first start
# does).
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
hyperfine --warmup 5 --runs "${RUNS:-40}" -N --export-markdown "$scratch/startup.md" \
  "$build/bench/pulsar-startup-bare" "$build/bench/pulsar-startup"
cat "$scratch/startup.md"
