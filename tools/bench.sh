#!/usr/bin/env bash
# Builds the benchmarks in a Release build and runs every case five times,
# printing mean, median and spread:
#   tools/bench.sh [BUILD_DIR] [Google Benchmark options...]
# (default build-rel; --benchmark_filter=Save runs the saves only). The data
# folders go to $TMPDIR (/tmp by default); TMPDIR=/dev/shm measures without
# the disk.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build-rel}"
shift || true
if [[ ! -d "$build" ]]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" -j "${PULSAR_JOBS:-4}" --target pulsar-bench
QT_QPA_PLATFORM=offscreen "$build/bench/pulsar-bench" --benchmark_min_time=0.3 \
  --benchmark_repetitions=5 --benchmark_report_aggregates_only=true "$@"
