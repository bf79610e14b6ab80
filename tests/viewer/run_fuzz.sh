#!/usr/bin/env bash
# Builds the viewer's parser fuzz target with clang and libFuzzer and runs it
# on the sample pages for a while: run_fuzz.sh [seconds] (default 60).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
build="$root/build-viewer/fuzz"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
      -DKIVO_FUZZ=ON -DKIVO_SANITIZE=ON -DKIVO_TESTS=OFF -DKIVO_BENCH=OFF >/dev/null
cmake --build "$build" --target fuzz_viewer_parser
corpus="$build/corpus"
mkdir -p "$corpus"
cp -n "$here"/data/*.html "$corpus"/
export QT_QPA_PLATFORM=offscreen
"$build/fuzz_viewer_parser" -max_total_time="${1:-60}" -max_len=65536 -timeout=10 "$corpus"
