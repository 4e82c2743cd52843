#!/usr/bin/env bash
# Puts the delivered files beside the program: the empty database (only when
# none is there: an existing one is never overwritten), the background picture
# and the help file.
# Usage: scripts/stage.sh <build-dir>
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$1
bin="$build/src"
mkdir -p "$bin/database" "$bin/image"
if [ ! -e "$bin/database/database.mdb" ]; then
  "$build/tools/makedb" "$bin/database/database.mdb"
fi
[ -e "$bin/image/001.bmp" ] || cp "$here/delivered/image/001.bmp" "$bin/image/001.bmp"
[ -e "$bin/help.chm" ] || cp "$here/delivered/help.chm" "$bin/help.chm"
