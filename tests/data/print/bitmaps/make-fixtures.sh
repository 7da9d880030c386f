#!/bin/sh
# Makes the bitmap fixtures that ImageMagick can write. The 3 × 2 images hold, top row first:
# red, lime, blue / white, black, rgb(128,64,32); the one-bit image black, white, black / white,
# white, black; the 8-bit image 17 pixels rgb(15i, 100+i, 255-15i) for i = 0 to 16. The fixtures
# ImageMagick cannot write (top-down rows, the 108-byte header) are annotated hex beside them.
set -e
IMG='( xc:red xc:lime xc:blue +append ) ( xc:white xc:black xc:rgb(128,64,32) +append ) -append'
convert -size 1x1 $IMG -type TrueColor BMP3:rgb24_v3.bmp
convert -size 1x1 $IMG -type TrueColor BMP:rgb24_v5.bmp
convert -size 1x1 $IMG -type TrueColorAlpha BMP:argb32_v5.bmp
convert -size 1x1 $IMG -type Palette BMP3:pal4_v3.bmp
convert -size 1x1 '(' xc:black xc:white xc:black +append ')' '(' xc:white xc:white xc:black +append ')' -append \
    -type Bilevel BMP3:mono1_v3.bmp
ROW=""
for i in $(seq 0 16); do ROW="$ROW xc:rgb($((i * 15)),$((100 + i)),$((255 - i * 15)))"; done
convert -size 1x1 $ROW +append -type Palette -compress None BMP3:pal8_v3.bmp
convert -size 1x1 $ROW +append -type Palette BMP3:pal8_rle_refused.bmp
