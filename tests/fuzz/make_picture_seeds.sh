#!/usr/bin/env bash
# Draws the picture fuzzer's seeds into the folder given: a few small pictures
# of every kind the loader reads, and two damaged ones it must refuse safely.
set -euo pipefail
OUT="$1"
mkdir -p "$OUT"
cd "$OUT"
convert -size 24x16 gradient:navy-orange -quality 90 baseline.jpg
convert -size 24x16 gradient:navy-orange -interlace JPEG progressive.jpg
convert -size 17x9 gradient:white-black -colorspace Gray gray.jpg
convert -size 16x16 gradient:red-blue -colorspace CMYK cmyk.jpg
convert -size 20x12 gradient:green-yellow -sampling-factor 2x2 -define jpeg:restart-interval=1 restart.jpg
convert -size 24x16 gradient:navy-orange BMP3:rgb.bmp
convert -size 13x7 gradient:red-white -colors 16 -type Palette BMP3:palette.bmp
convert -size 12x12 xc:none -fill red -draw 'circle 6,6 6,2' alpha.png
convert -size 10x6 gradient:blue-white PNG8:palette.png
# Damaged: the image data followed by a second frame, and a file cut short.
head -c -2 baseline.jpg > two_frames.jpg
tail -c +3 baseline.jpg >> two_frames.jpg
head -c 200 progressive.jpg > cut.jpg
