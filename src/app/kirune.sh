#!/bin/sh
# Starts the installed game from its program folder.
#
# The shipped collections lie in a folder the player cannot write, so their score files go to
# the game's temporary folder (TEMP, TMP, Temp or Tmp). When none is set, point TEMP at the
# player's state folder, which survives a reboot, rather than leaving the game with none.
here=$(dirname "$(readlink -f "$0")")
if [ -z "${TEMP-}${TMP-}${Temp-}${Tmp-}" ]; then
    TEMP="${XDG_STATE_HOME:-$HOME/.local/state}/kirune"
    mkdir -p "$TEMP" && export TEMP
fi
exec "$here/../lib/kirune/kirune" "$@"
