#!/bin/sh
# Makes the pictures of docs/USER_GUIDE.md: plays each picture's script on a sample drawing
# in a fresh copy of the sample installation, keeps the window the example works on and
# writes a PNG beside this file.   Usage: docs/images/render.sh [BUILD]   (from the top)
set -e
BUILD=${1:-build}
HERE=$(dirname "$0")
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

# picture NAME DRAWING "X Y W H" STROKE [PIXELS]: the window in drawing units (Y up, lower left
# corner), lines drawn STROKE drawing units wide, the picture PIXELS (900) wide.
picture() {
    rm -rf "$WORK/install" && cp -r examples/install "$WORK/install"
    mkdir -p "$WORK/install/drive_c/TEMP"
    cp examples/drawings/lines_body_plan.dxf "$WORK/install/drive_c/TREVAN/DATA/Lines/S1234/"
    "$BUILD/host/cli/trevan" run --install "$WORK/install" --drawing "examples/drawings/$2" \
        --script "$HERE/$1.scr" --svg "$WORK/$1.svg" > "$WORK/$1.log"
    width=${5:-900}
    set -- "$1" $3 "$4"
    box="$2 $((-$3 - $5)) $4 $5"
    sed -e "1,3s/ width=\"[^\"]*\" height=\"[^\"]*\"/ width=\"$4\" height=\"$5\"/" -e "s/viewBox=\"[^\"]*\"/viewBox=\"$box\"/" -e "s/stroke-width=\"[^\"]*\"/stroke-width=\"$6\"/g" \
        -e '/<rect /d' "$WORK/$1.svg" > "$WORK/$1.cut.svg"
    rsvg-convert -b white -w "$width" "$WORK/$1.cut.svg" -o "$HERE/$1.png"
}

picture plate_lines plan.dxf "650 1350 300 100" 0.8
picture stiffener_texts plan.dxf "300 4100 3400 2600" 6
picture side_arrows plan.dxf "-600 -1200 9200 9500" 30
picture leaders hull_plan.dxf "1000 500 6000 3500" 12
picture centre_lines hull_plan.dxf "10000 -3200 6000 10000" 20
picture spline_to_polyline lines_body_plan.dxf "-500 -500 19500 20000" 30 640
picture frame_interpolation lines_body_plan.dxf "-500 -500 19500 20000" 30 640
picture plan_line lines_body_plan.dxf "122000 -1000 40000 20000" 60
picture landing_links shell_section.dxf "-1000 -1000 19000 21000" 30
