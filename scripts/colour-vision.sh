#!/usr/bin/env bash
# Shows a screenshot as people with the three dichromacies see it (Machado, Oliveira and
# Fernandes, 2009, full severity), worked in linear light: in.png -> in-{deuteranopia,
# protanopia,tritanopia}.png beside it, and all four in one row as in-vision.png.
# Usage: colour-vision.sh in.png
set -euo pipefail
in=$1 base=${1%.png}
declare -A matrix=(
    [protanopia]="0.152286 1.052583 -0.204868 0.114503 0.786281 0.099216 -0.003882 -0.048116 1.051998"
    [deuteranopia]="0.367322 0.860646 -0.227968 0.280085 0.672501 0.047413 -0.011820 0.042940 0.968881"
    [tritanopia]="1.255528 -0.076749 -0.178779 -0.078411 0.930809 0.147602 0.004733 0.691367 0.303900"
)
row=("$in")
for vision in deuteranopia protanopia tritanopia; do
    convert "$in" -colorspace RGB -color-matrix "${matrix[$vision]}" -colorspace sRGB \
        "$base-$vision.png"
    row+=("$base-$vision.png")
done
convert "${row[@]}" +append "$base-vision.png"
echo "$base-vision.png"
