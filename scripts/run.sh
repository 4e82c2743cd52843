#!/usr/bin/env bash
# Sets everything up and starts the program with the delivered empty database.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build="$here/build/release"
"$here/scripts/setup.sh" "$build" -DBUILD_TESTING=OFF -DBUILD_BENCHMARKS=OFF
"$here/scripts/stage.sh" "$build"
exec "$build/src/huiyuanjifen"
