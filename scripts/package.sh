#!/usr/bin/env bash
# Builds the Debian package build/package/kirune_VERSION_ARCH.deb. Install it with
#   sudo apt install ./build/package/kirune_*.deb
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$here/scripts/setup.sh" "$here/build"
cd "$here/build"
cpack --config CPackConfig.cmake -B package >/dev/null
ls "$here"/build/package/*.deb
