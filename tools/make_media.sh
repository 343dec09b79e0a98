#!/usr/bin/env bash
# Regenerates every picture and sound the game ships into data/:
#   brevN.gif (45 portraits), eagle1.jpg .. eagle6.jpg, brevbg.jpg,
#   brevallo.png, the sixteen sound effects and brevsnd.dat.
# Needs cmake, a C++20 compiler, Qt 6 (qt6-base-dev), ImageMagick and SoX.
# The picture generator is built in a temporary directory; the game's own
# build never runs it. Two runs give byte-identical files.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
data=$(cd "$here/../data" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# ImageMagick 7 calls it magick; Debian's 6 installs convert-im6.q16 and the
# convert alternative.
if [[ -z ${CONVERT:-} ]]; then
    for c in magick convert-im6.q16 convert; do
        if command -v "$c" >/dev/null; then
            CONVERT=$c
            break
        fi
    done
fi
: "${CONVERT:?ImageMagick is needed (convert or magick)}"

echo "building the picture generator"
cmake -S "$here/portraits" -B "$work/build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$work/build" --parallel >/dev/null

echo "painting pictures"
QT_QPA_PLATFORM=offscreen "$work/build/brevmedia" "$work/out" 2>/dev/null

# Portraits: Qt cannot write GIF, so ImageMagick turns them into 256-colour
# GIF files.
for png in "$work"/out/brev[0-9]*.png; do
    name=$(basename "$png" .png)
    "$CONVERT" "$png" -dither FloydSteinberg -colors 256 "$data/$name.gif"
done
cp "$work"/out/eagle[1-6].jpg "$work/out/brevbg.jpg" "$work/out/brevallo.png" "$data/"

echo "synthesising sounds"
"$here/sounds/make_sounds.sh" "$data"
echo "done: $(cd "$data" && ls brev*.gif | wc -l) portraits, sounds listed in brevsnd.dat"
