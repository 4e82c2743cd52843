#!/usr/bin/env bash
# Sets everything up, builds with warnings as errors and runs every test.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build="$here/build/ci"
"$here/scripts/setup.sh" "$build" -DWARNINGS_AS_ERRORS=ON -DBUILD_TESTING=ON -DBUILD_BENCHMARKS=ON
"$here/scripts/stage.sh" "$build"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
