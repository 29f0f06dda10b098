#!/bin/sh
# Draws the launcher's pictures with ImageMagick: the welcome picture, the
# tray icon and the program icon (built into the program) and the two tour
# pages (data files).
#   make-pictures.sh ART_DIR DIST_DIR
set -eu
art=$1
dist=$2
sans=DejaVu-Sans
bold=DejaVu-Sans-Bold

# The emblem: a small launcher window, a dark title bar over a grid of
# coloured buttons. $1 size, $2 output.
emblem() {
  s=$1
  r=$((s / 6)); m=$((s / 16)); bar=$((s * 5 / 16))
  t=$(( (s - 2 * m) / 3 ))
  convert -size ${s}x${s} xc:none \
    -fill '#f4f8fc' -stroke '#0b2440' -strokewidth $(( s > 20 ? 2 : 1 )) \
    -draw "roundrectangle $m,$m $((s - m - 1)),$((s - m - 1)) $r,$r" \
    -stroke none -fill '#1d6fa5' \
    -draw "roundrectangle $((m + 1)),$((m + 1)) $((s - m - 2)),$((m + bar)) $r,$r" \
    -draw "rectangle $((m + 1)),$((m + bar / 2)) $((s - m - 2)),$((m + bar))" \
    -fill '#f2a33a' -draw "rectangle $((m + 2)),$((m + bar + 2)) $((m + t - 1)),$((m + bar + t - 2))" \
    -fill '#39a96b' -draw "rectangle $((m + t + 1)),$((m + bar + 2)) $((m + 2 * t - 1)),$((m + bar + t - 2))" \
    -fill '#d9534f' -draw "rectangle $((m + 2 * t + 1)),$((m + bar + 2)) $((s - m - 3)),$((m + bar + t - 2))" \
    -fill '#5b8def' -draw "rectangle $((m + 2)),$((m + bar + t)) $((m + t - 1)),$((s - m - 3))" \
    -fill '#8e6bd1' -draw "rectangle $((m + t + 1)),$((m + bar + t)) $((m + 2 * t - 1)),$((s - m - 3))" \
    "$2"
}

emblem 16 "$art/tray16.png"
emblem 32 "$art/tray32.png"
emblem 64 "$art/emblem64.png"
convert "$art/tray16.png" "$art/tray32.png" "$art/tray.ico"
# The program's own icon, in every size the shell asks for (the 256 px one is
# stored compressed, as Windows expects it).
emblem 48 "$art/emblem48.png"
emblem 256 "$art/emblem256.png"
convert "$art/tray16.png" "$art/tray32.png" "$art/emblem48.png" "$art/emblem256.png" -depth 8 "$art/program.ico"

# A launcher window as a user sees it, for the pictures: $1 width, $2 height,
# $3 output.
mock_window() {
  w=$1; h=$2
  convert -size ${w}x${h} xc:'#d4d0c8' \
    -fill '#0a246a' -draw "rectangle 0,0 $((w - 1)),17" \
    -fill white -font $bold -pointsize 10 -annotate +6+13 ' Corvella' \
    -fill '#d4d0c8' -stroke '#808080' -draw "rectangle 4,22 $((w - 5)),38" \
    -draw "rectangle 4,42 $((w - 5)),58" -draw "rectangle 4,62 $((w - 5)),78" \
    -stroke none -fill black -font $sans -pointsize 10 \
    -annotate +12+34 'Programs' -annotate +12+54 'Documents' -annotate +12+74 'Internet' \
    -fill '#3a6ea5' -draw "rectangle 4,84 $((w - 5)),$((h - 26))" \
    -fill '#f2a33a' -draw "roundrectangle 12,92 40,120 4,4" \
    -fill '#39a96b' -draw "roundrectangle 48,92 76,120 4,4" \
    -fill '#d9534f' -draw "roundrectangle 84,92 112,120 4,4" \
    -fill '#5b8def' -draw "roundrectangle 12,128 40,156 4,4" \
    -fill '#8e6bd1' -draw "roundrectangle 48,128 76,156 4,4" \
    -fill '#f4f8fc' -draw "roundrectangle 84,128 112,156 4,4" \
    -fill '#d4d0c8' -stroke '#808080' -draw "rectangle 4,$((h - 20)) 36,$((h - 8))" \
    -draw "rectangle $((w / 2 - 16)),$((h - 20)) $((w / 2 + 16)),$((h - 8))" \
    -draw "rectangle $((w - 37)),$((h - 20)) $((w - 5)),$((h - 8))" \
    -stroke none -fill black -pointsize 8 -annotate +9+$((h - 11)) 'a: disk' \
    -annotate +$((w - 33))+$((h - 11)) 'Glued' \
    "$3"
}

mock_window 122 210 "$art/mock.png"

# The welcome picture: 300 x 300, the name at the top left with room for the
# version label under it (drawn by the program) and for the two buttons in
# the lower left corner.
convert -size 300x300 gradient:'#0e2744-#1f7fb8' \
  \( -size 300x300 radial-gradient:'#ffffff30-#ffffff00' -geometry +120+-120 \) -composite \
  "$art/emblem64.png" -geometry +10+22 -composite \
  -fill '#00000055' -font $bold -pointsize 34 -annotate +80+74 'Corvella' \
  -fill white -annotate +78+72 'Corvella' \
  -fill '#bcdcf5' -font $sans -pointsize 12 -annotate +14+136 'Your programs,' \
  -annotate +14+152 'documents and links,' -annotate +14+168 'one click away.' \
  \( "$art/mock.png" -bordercolor '#0b2440' -border 1 \
     \( +clone -background black -shadow 60x4+4+4 \) +swap -background none -layers merge +repage \) \
  -geometry +160+90 -composite \
  -fill '#ffffff22' -draw 'rectangle 0,292 300,300' \
  -type TrueColor BMP3:"$art/splash.bmp"

# Tour page 1: what the launcher is for.
convert -size 512x328 gradient:'#f7fbff-#dcebf7' \
  -fill '#0e2744' -font $bold -pointsize 20 -annotate +24+38 'Your launcher, your way' \
  -fill '#1f7fb8' -draw 'rectangle 24,48 214,50' \
  \( "$art/mock.png" -bordercolor '#0b2440' -border 1 \
     \( +clone -background black -shadow 50x4+4+4 \) +swap -background none -layers merge +repage \) \
  -geometry +28+66 -composite \
  -fill '#1f7fb8' -draw 'circle 196,92 206,92' -draw 'circle 196,162 206,162' -draw 'circle 196,232 206,232' \
  -fill white -font $bold -pointsize 12 -annotate +192+97 '1' -annotate +192+167 '2' -annotate +192+237 '3' \
  -fill '#0e2744' -font $bold -pointsize 13 \
  -annotate +218+91 'Drop it on, click it off' \
  -annotate +218+161 'Tabs keep things tidy' \
  -annotate +218+231 'Right-click for more' \
  -fill '#33465a' -font $sans -pointsize 11 \
  -annotate +218+108 'Drag a program, document, folder or web link' \
  -annotate +218+122 'onto Corvella and it becomes a button.' \
  -annotate +218+178 'Sort your buttons into up to twenty sections,' \
  -annotate +218+192 'one tab each, in four button styles.' \
  -annotate +218+248 'Buttons and tabs have menus for text, tool tips,' \
  -annotate +218+262 'icons and styles. Move rearranges them.' \
  -fill '#6b7c8e' -font $sans -pointsize 10 -annotate +24+316 'Page 1 of 2' \
  -type TrueColor BMP3:"$dist/tour1.bmp"

# Tour page 2: the shade, the hot key, the strip and the tray icon.
convert -size 512x328 gradient:'#f7fbff-#dcebf7' \
  -fill '#0e2744' -font $bold -pointsize 20 -annotate +24+38 'Out of the way, back in a flash' \
  -fill '#1f7fb8' -draw 'rectangle 24,48 330,50' \
  -fill '#2b2b2b' -draw 'roundrectangle 28,70 232,222 6,6' \
  -fill '#3f86c6' -draw 'rectangle 36,78 224,206' \
  -fill '#d9534f' -draw 'rectangle 36,78 224,80' \
  -fill '#d9534f' -draw 'rectangle 222,78 224,206' \
  -fill '#2b2b2b' -draw 'polygon 112,222 148,222 156,240 104,240' \
  -fill '#d4d0c8' -draw 'rectangle 36,196 224,206' \
  "$art/tray16.png" -geometry +204+192 -composite \
  -fill '#ffffffcc' -font $sans -pointsize 10 -annotate +44+100 'Rolled up: a red line' \
  -annotate +44+113 'marks the top edge.' \
  -annotate +112+150 'Slid aside: a strip' \
  -annotate +112+163 'marks the side.' \
  -fill '#1f7fb8' -draw 'circle 256,92 266,92' -draw 'circle 256,162 266,162' -draw 'circle 256,232 266,232' \
  -fill white -font $bold -pointsize 12 -annotate +252+97 '1' -annotate +252+167 '2' -annotate +252+237 '3' \
  -fill '#0e2744' -font $bold -pointsize 13 \
  -annotate +278+91 'Click the empty space' \
  -annotate +278+161 'Press Scroll Lock' \
  -annotate +278+231 'Or click the edge or the icon' \
  -fill '#33465a' -font $sans -pointsize 11 \
  -annotate +278+108 'Corvella rolls off the screen, slides' \
  -annotate +278+122 'to the nearer edge or hides.' \
  -annotate +278+178 'Anywhere, in any program: Corvella' \
  -annotate +278+192 'comes to the front or back down.' \
  -annotate +278+248 'The strip at the screen edge and the' \
  -annotate +278+262 'tray icon bring it back as well.' \
  -fill '#6b7c8e' -font $sans -pointsize 10 -annotate +24+316 'Page 2 of 2' \
  -type TrueColor BMP3:"$dist/tour2.bmp"
