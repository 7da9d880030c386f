#!/bin/sh
# Draws every-drawable.png with ImageMagick from coordinates worked out by hand: the page of
# CairoDCTest's EveryDrawableMatchesTheReferencePicture, a 150-dpi printer of 400 x 300 pixels
# in MM_TEXT, every drawable black with a one-pixel pen. The text is not drawn: the test leaves
# its box out of the comparison.
#   line (20,20)-(380,20); rectangle (20,40)-(120,100) unfilled; rectangle (140,40)-(240,100)
#   solid; polyline (260,100) (300,40) (340,100) (380,40); polygon (20,120) (120,120) (70,200)
#   solid; circle at (190,160) of radius 40 unfilled; grid of plus marks 3 pixels each way at
#   every 100 pixels from (0,0) to (400,300).
cd "$(dirname "$0")"
marks=""
for x in 0 100 200 300 400; do
    for y in 0 100 200 300; do
        marks="$marks line $((x - 3)),$y $((x + 3)),$y line $x,$((y - 3)) $x,$((y + 3))"
    done
done
convert -size 400x300 xc:white -stroke black -strokewidth 1 \
    -fill none -draw "stroke-linecap round stroke-linejoin round line 20,20 380,20" \
    -draw "rectangle 20,40 120,100" \
    -draw "polyline 260,100 300,40 340,100 380,40" \
    -draw "ellipse 190,160 40,40 0,360" \
    -draw "stroke-linecap round $marks" \
    -fill black -draw "rectangle 140,40 240,100" \
    -draw "polygon 20,120 120,120 70,200" \
    -depth 8 -type Grayscale every-drawable.png
