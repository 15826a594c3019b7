#!/usr/bin/env bash
# Installs the build into a scratch root and checks the layout a package ships, then checks that
# the launcher gives an installed game a lasting temporary folder only when the player set none.
#   install.sh BUILD_DIR
set -euo pipefail
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "install: FAILED: $*" >&2; exit 1; }

DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
usr="$root/usr"
for f in bin/kirune lib/kirune/kirune lib/kirune/kirune-vxl share/applications/io.github.kirune.Kirune.desktop \
         lib/kirune/Talk/TalkIx.dat lib/kirune/Talk/TalkDt.dat \
         "lib/kirune/sys/RomaKana/新ローマ字かな変換.txt" lib/kirune/Picture/cast/CastData.csv \
         "lib/kirune/sound/midi/BGMテーマ曲.mid" "lib/kirune/はじめての英単語.vxl" \
         share/mime/packages/kirune.xml share/metainfo/io.github.kirune.Kirune.metainfo.xml lib/kirune/words/kanji.tsv share/doc/kirune/copyright; do
    [ -e "$usr/$f" ] || fail "missing $f"
done
for size in 16 22 24 32 48 64 128 256 512; do
    [ -s "$usr/share/icons/hicolor/${size}x${size}/apps/kirune.png" ] || fail "missing the ${size}px icon"
done
[ "$(readlink "$usr/bin/kirune-vxl")" = "../lib/kirune/kirune-vxl" ] || fail "kirune-vxl is not a link into the program folder"
[ -x "$usr/bin/kirune" ] || fail "the launcher is not executable"
grep -q '^Exec=kirune %f$' "$usr/share/applications/io.github.kirune.Kirune.desktop" &&
    grep -q '^MimeType=application/x-kirune-vxl;$' "$usr/share/applications/io.github.kirune.Kirune.desktop" ||
    fail "the desktop entry does not open .vxl files"
grep -q '^Exec=kirune --today$' "$usr/share/applications/io.github.kirune.Kirune.desktop" || fail "the desktop entry has no today's crossword"
# Score files and reports of a game played in the build folder stay behind.
leftovers=$(find "$usr/lib/kirune" -name '*.log' -o -name Report.txt)
[ -z "$leftovers" ] || fail "installed a player's files: $leftovers"
# The tool runs from the PATH link and finds its program folder.
"$usr/bin/kirune-vxl" check "$usr/lib/kirune/はじめての英単語.vxl" >/dev/null || fail "kirune-vxl check failed from bin/"

# The launcher, with a stand-in game that prints the folder it was given.
printf '#!/bin/sh\necho "$TEMP"\n' >"$usr/lib/kirune/kirune"
home="$root/home"
mkdir -p "$home"
got=$(env -i HOME="$home" PATH=/usr/bin:/bin "$usr/bin/kirune")
[ "$got" = "$home/.local/state/kirune" ] && [ -d "$got" ] || fail "no TEMP set: the launcher gave \"$got\""
got=$(env -i HOME="$home" XDG_STATE_HOME="$root/state" PATH=/usr/bin:/bin "$usr/bin/kirune")
[ "$got" = "$root/state/kirune" ] || fail "with XDG_STATE_HOME: the launcher gave \"$got\""
got=$(env -i HOME="$home" TMP=/var/tmp PATH=/usr/bin:/bin "$usr/bin/kirune")
[ -z "$got" ] || fail "the player's TMP was overridden with \"$got\""
got=$(env -i HOME="$home" TEMP=/somewhere PATH=/usr/bin:/bin "$usr/bin/kirune")
[ "$got" = /somewhere ] || fail "the player's TEMP was changed to \"$got\""
echo "install: layout and launcher as expected"
