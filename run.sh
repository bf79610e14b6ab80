#!/usr/bin/env bash
# Builds KivoPro32 (Release) and starts the editor, optionally on a file.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$here/scripts/deps.sh"
cmake -S "$here" -B "$here/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DKIVO_TESTS=OFF -DKIVO_BENCH=OFF >/dev/null
cmake --build "$here/build/release" --target kivopro32 -- -j"$(nproc)"
args=()
if [ $# -gt 0 ]; then
  args+=("$(realpath -m -- "$1")")
fi
exec "$here/build/release/kivopro32" "${args[@]}"
