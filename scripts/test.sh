#!/usr/bin/env bash
# Installs what is missing, builds, runs every test through ctest, then fuzzes each reader of
# outside data for a bounded time.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$here/scripts/setup.sh" "$here/build"
runtime=$(mktemp -d)
chmod 700 "$runtime"
trap 'rm -rf "$runtime"' EXIT
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy XDG_RUNTIME_DIR="$runtime"
ctest --test-dir "$here/build" --output-on-failure -j"$(nproc)"
"$here/scripts/fuzz.sh"
