#pragma once
// Geometry of the 3-D controls, in device pixels of the control's client
// area: where the bevel, the picture and the caption go.
//
// Picture position codes (property 40) and caption position codes (property 7)
// share one numbering of the nine anchors of a box:
//
//   code  horizontal  vertical        code  picture placed relative to caption
//    0    left        top              9    left of the caption
//    1    left        middle          10    right of the caption
//    2    left        bottom          11    above the caption
//    3    right       top             12    below the caption
//    4    right       middle
//    5    right       bottom
//    6    centre      top
//    7    centre      middle
//    8    centre      bottom
//
// Picture codes 0..8 anchor the picture in the content box (inside bevel and
// padding); the caption then takes the part of the box beside the picture
// (right of a left picture, left of a right one, below a top-centre one,
// above a bottom-centre one) and is anchored there by its own code. A centred
// picture (7) gives way to a caption instead: the caption takes its anchor in
// the whole box and the picture the middle of what is left (below a top
// caption, above a bottom one, beside a left or right one); with a centred
// caption too the two stack, picture above, as code 11 does. Picture codes
// 9..12 join picture and caption into one block, anchored by the caption
// code, with the picture on the named side and both centred across the block.
// So the launcher's defaults read well: small buttons 7 (icon centred), large
// and full-width buttons picture 6 with caption 8 (icon at the top, text at
// the bottom), text-only buttons caption 7 (centred).
#include <functional>

namespace corvella::threed {

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Empty() const { return right <= left || bottom <= top; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

constexpr int kMaxPicturePosition = 12;
constexpr int kMaxCaptionPosition = 8;

// Pixel measures at a screen resolution (dots per inch).
struct Metrics {
    int bevel = 2;     // room kept for the widest bevel
    int padding = 3;   // between bevel and content
    int gap = 3;       // between picture and caption
    int checkBox = 13; // side of the check box's square
    int pressShift = 1;
};
Metrics MetricsFor(int dpi);
int ScaleFor96(int pixelsAt96, int dpi);
// Pixels to twips (1440 per inch), rounded to nearest.
int PixelsToTwips(int pixels, int dpi);

struct LayoutRequest {
    Rect bounds;          // the client area
    Metrics metrics;
    Size picture;         // {0, 0} when there is none
    int picturePosition = 7;
    int captionPosition = 7;
    bool pressed = false; // content moves down and right by pressShift
};

struct Layout {
    Rect bevel;    // the frame is drawn along this rectangle's edges
    Rect content;  // inside bevel and padding
    Rect picture;  // empty when there is no picture
    Rect caption;  // the measured caption, clipped to the room it has
    // The size the picture is drawn at: its own, or smaller where it gives
    // way to its caption.
    Size pictureSize;
};

// Measures the caption when wrapped to at most `maxWidth` pixels.
using MeasureCaption = std::function<Size(int maxWidth)>;

Layout ComputeLayout(const LayoutRequest& request, const MeasureCaption& measure);

// The check box: the square at the left, vertically centred, the caption
// right of it anchored by the caption position.
Layout ComputeCheckLayout(const Rect& bounds, const Metrics& metrics, int captionPosition,
                          const MeasureCaption& measure);

}  // namespace corvella::threed
