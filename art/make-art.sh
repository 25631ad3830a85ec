#!/bin/bash
# make-art.sh: draws pic1.jpg (the dial emblem), pic2.jpg (the banner) and
# tarnolux.ico into art/. The results are committed; the build never runs
# this. Needs ImageMagick's convert and python3.
#
# Everything is drawn at its final pixel size: the windows show both
# pictures unscaled (banner 2490 x 570 twips = 166 x 38 pixels, emblem
# 765 x 585 twips = 51 x 39 pixels at 96 dpi). Lettering comes from the
# small pixel font below, enlarged by whole pixels only, so it stays crisp.
# Colours are the windows' own: black, light yellow #FFFFC0, red #FF0000.
set -euo pipefail
art=$(cd "$(dirname "$0")" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

yellow='#FFFFC0'
dim='#8C8C68'     # light yellow at half strength: scale and unit marks
red='#FF0000'
shadow='#800000'

# Baseline JPEG, no chroma subsampling (thin red lines would smear), no
# metadata beyond the JFIF header, 96 dpi so the picture keeps its size.
jpeg() {
  convert "$1" -strip -interlace none -sampling-factor 1x1 -quality 90 \
    -units PixelsPerInch -density 96 "$2"
}

# --- pixel font: 7 rows per glyph, '#' set; lower case sits on rows 2-6 ---
declare -A glyph=(
  [T]="##### ..#.. ..#.. ..#.. ..#.. ..#.. ..#.."
  [a]="..... ..... .###. ....# .#### #...# .####"
  [r]="..... ..... #.##. ##..# #.... #.... #...."
  [n]="..... ..... ####. #...# #...# #...# #...#"
  [o]="..... ..... .###. #...# #...# #...# .###."
  [l]="##. .#. .#. .#. .#. .#. .##"
  [u]="..... ..... #...# #...# #...# #...# .####"
  [x]="..... ..... #...# .#.#. ..#.. .#.#. #...#"
)

# word_xpm WORD FILE: the word at one pixel per font dot, white on black.
# One blank column between letters, none after "T" (its bar overhangs).
word_xpm() {
  local word=$1 rows=("" "" "" "" "" "" "") i r c prev="" g
  for ((i = 0; i < ${#word}; i++)); do
    c=${word:i:1}
    read -ra g <<<"${glyph[$c]}"
    for r in 0 1 2 3 4 5 6; do
      if [ -n "$prev" ] && [ "$prev" != T ]; then rows[r]+="."; fi
      rows[r]+="${g[r]}"
    done
    prev=$c
  done
  {
    echo '/* XPM */'
    echo 'static char *word[] = {'
    echo "\"${#rows[0]} 7 2 1\", \". c #000000\", \"# c #FFFFFF\","
    for r in 0 1 2 3 4 5; do echo "\"${rows[r]}\","; done
    echo "\"${rows[6]}\"};"
  } >"$2"
}

# --- pic2.jpg: the banner, 166 x 38 ---
# The wordmark at three pixels per dot, every third row dimmed like a
# monitor's scan lines, with a dark red drop shadow; under it a clock
# scale whose last quarter is the red zone.
word_xpm Tarnolux "$tmp/word.xpm"
convert "$tmp/word.xpm" -filter point -scale 300% "$tmp/mask.png"
mw=$(identify -format %w "$tmp/mask.png")
mx=$(((166 - mw) / 2)) my=5 scale_y=30
redzone=$((mx + 102))
ticks=""
for ((k = 0; k * 6 < mw; k++)); do
  x=$((mx + k * 6))
  colour=$dim len=1
  if [ $x -ge $redzone ]; then colour=$red; fi
  if [ $((k % 4)) -eq 0 ] || [ $(((k + 1) * 6)) -ge $mw ]; then len=3; fi
  ticks+=" stroke $colour line $x,$((scale_y + 1)) $x,$((scale_y + len))"
done
convert -size 166x38 xc:black \
  \( "$tmp/mask.png" -fill "$shadow" -opaque white -transparent black \) \
  -geometry +$((mx + 1))+$((my + 1)) -composite \
  \( "$tmp/mask.png" -fx 'j % 3 == 2 ? u * 0.5 : u' \
     \( +clone -fill "$yellow" -colorize 100 \) -compose multiply -composite \
     -transparent black \) -geometry +$mx+$my -compose over -composite \
  +antialias -strokewidth 1 \
  -stroke "$dim" -draw "line $mx,$scale_y $redzone,$scale_y" \
  -stroke "$red" -draw "line $redzone,$scale_y $((mx + mw - 1)),$scale_y" \
  -draw "$ticks" \
  "$tmp/pic2.png"
jpeg "$tmp/pic2.png" "$art/pic2.jpg"

# --- pic1.jpg: the emblem, 51 x 39 ---
# A clock dial: a 300-degree scale with eleven ticks (long ones at both
# ends and in the middle), the last three red, the needle in the upper
# range, "MHz" in the gap at the bottom.
cx=25 cy=20 radius=17
dial_ticks=$(awk -v cx=$cx -v cy=$cy -v y="$yellow" -v r="$red" 'BEGIN {
  pi = atan2(0, -1)
  for (k = 0; k <= 10; k++) {
    a = (135 + k * 27) * pi / 180; inner = (k % 5 == 0) ? 10 : 12; outer = 14.2
    printf " stroke %s line %.0f,%.0f %.0f,%.0f", (k >= 8) ? r : y,
      cx + inner * cos(a), cy + inner * sin(a), cx + outer * cos(a), cy + outer * sin(a)
  } }')
needle=$(awk -v cx=$cx -v cy=$cy 'BEGIN {
  pi = atan2(0, -1); a = (135 + 6.5 * 27) * pi / 180
  printf "line %.2f,%.2f %.2f,%.2f", cx - 2 * cos(a), cy - 2 * sin(a),
    cx + 10.5 * cos(a), cy + 10.5 * sin(a) }')
cat >"$tmp/mhz.xpm" <<XPM
/* XPM */
static char *mhz[] = {
"14 5 2 1", ". c None", "# c $dim",
"#...#.#.#.....",
"##.##.#.#.####",
"#.#.#.###...#.",
"#...#.#.#..#..",
"#...#.#.#.####"};
XPM
convert -size 51x39 xc:black -fill none \
  -strokewidth 1.2 -stroke "$yellow" \
  -draw "arc $((cx - radius)),$((cy - radius)) $((cx + radius)),$((cy + radius)) 122,418" \
  +antialias -strokewidth 1 -draw "$dial_ticks" \
  -antialias -strokewidth 1.6 -stroke "$red" -draw "$needle" \
  -stroke none -fill "$yellow" -draw "circle $cx,$cy $((cx + 2)),$cy" \
  "$tmp/mhz.xpm" -geometry +19+31 -composite \
  "$tmp/pic1.png"
jpeg "$tmp/pic1.png" "$art/pic1.jpg"

# --- tarnolux.ico: the same dial, hand-drawn in the 16 VGA colours ---
python3 "$art/ico4.py" "$art/tarnolux.ico" "$art/src/icon32.xpm" "$art/src/icon16.xpm"

ls -l "$art/pic1.jpg" "$art/pic2.jpg" "$art/tarnolux.ico"
