#!/usr/bin/env bash
# Installs what the build needs on a fresh Debian 12 machine and builds.
# Usage: scripts/setup.sh <build-dir> [extra cmake options]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build/release}
shift || true

packages=(build-essential cmake ninja-build pkg-config ccache
          qt6-base-dev qt6-translations-l10n libsqlcipher-dev sqlcipher libfreexl-dev
          libgtest-dev libgmock-dev libbenchmark-dev fonts-noto-cjk poppler-utils)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$build" -j2
