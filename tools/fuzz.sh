#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer and runs each for a
# bounded time (default 60 s each):  tools/fuzz.sh [seconds] [target...]
# (with no target named, every target of tests/fuzz/CMakeLists.txt)
# New inputs go to a scratch corpus; a crash leaves its input in
# build-fuzz/artifacts, which then belongs in the target's seed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
shift || true
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPULSAR_FUZZ=ON -DPULSAR_BUILD_BENCH=OFF >/dev/null
targets=("$@")
if ((${#targets[@]} == 0)); then
  mapfile -t targets < <(sed -n 's/^pulsar_fuzz_target(\([a-z_]*\) .*/\1/p' tests/fuzz/CMakeLists.txt)
fi
cmake --build build-fuzz -j "${PULSAR_JOBS:-4}" --target "${targets[@]}"
mkdir -p build-fuzz/artifacts
status=0
for t in "${targets[@]}"; do
  corpus=$(sed -n "s/^pulsar_fuzz_target($t [^ ]* \([^ ]*\) .*/\1/p" tests/fuzz/CMakeLists.txt)
  scratch="build-fuzz/corpus/$t"
  mkdir -p "$scratch"
  echo "== $t for ${seconds}s"
  QT_QPA_PLATFORM=offscreen "build-fuzz/tests/fuzz/$t" -max_total_time="$seconds" \
    -artifact_prefix=build-fuzz/artifacts/ -max_len=4096 -timeout=10 \
    "$scratch" "tests/fuzz/corpus/$corpus" || status=1
done
exit $status
