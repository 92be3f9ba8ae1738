#!/bin/sh
# Writes pictures with ImageMagick, an encoder independent of ours: for each reference picture ref-NAME.ppm
# (at most 256 colours, so every encoding below is lossless) the PCX and BMP files made from it.
set -eu
here="$(cd "$(dirname "$0")" && pwd)"
out="$1"
rm -rf "$out"
mkdir -p "$out"
cd "$out"
convert rose: -crop 69x45+0+0 +repage -colors 200 ref-odd.ppm    # odd width: PCX pads its plane rows
convert rose: -colors 180 ref-even.ppm
for name in odd even; do
    convert ref-$name.ppm -type Palette PCX:$name-8.pcx
    convert ref-$name.ppm -type TrueColor PCX:$name-24.pcx
    convert ref-$name.ppm -type Palette -compress None BMP3:$name-8.bmp
    convert ref-$name.ppm -type TrueColor -compress None BMP3:$name-24.bmp
    convert ref-$name.ppm -type TrueColor BMP:$name-24v5.bmp
done
# Lines long enough for the quick parts of the run-length loops, with runs (each pixel six times) and plain
# stretches; the same picture as row-coded and packed PID files, written from the PCX.
convert rose: -scale 600% +dither -colors 200 ref-wide.ppm
convert ref-wide.ppm -type Palette PCX:wide-8.pcx
python3 "$here/pid_from_pcx.py" wide-8.pcx wide
# Files the readers refuse: run-length compressed rows, and a PCX cut inside its rows.
convert ref-odd.ppm -type Palette -compress RLE BMP3:refused-rle8.bmp
head -c 600 odd-8.pcx > refused-cut.pcx
