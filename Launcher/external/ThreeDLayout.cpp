#include "external/ThreeDLayout.h"

#include <algorithm>

namespace corvella::threed {

namespace {

enum class Horizontal { Left, Right, Centre };
constexpr int kUnlimited = 1 << 20;
enum class Vertical { Top, Middle, Bottom };

Horizontal HorizontalOf(int code) { return static_cast<Horizontal>(code / 3); }
Vertical VerticalOf(int code) { return static_cast<Vertical>(code % 3); }

Rect Deflate(const Rect& r, int by) {
    Rect out{r.left + by, r.top + by, r.right - by, r.bottom - by};
    if (out.right < out.left) out.right = out.left;
    if (out.bottom < out.top) out.bottom = out.top;
    return out;
}

Size ClipTo(Size size, const Rect& room) {
    return {std::clamp(size.width, 0, room.Width()), std::clamp(size.height, 0, room.Height())};
}

// Places a box of `size` at the anchor `code` (0..8) of `room`.
Rect Anchor(Size size, const Rect& room, int code) {
    size = ClipTo(size, room);
    int left = room.left;
    switch (HorizontalOf(code)) {
    case Horizontal::Left: left = room.left; break;
    case Horizontal::Right: left = room.right - size.width; break;
    case Horizontal::Centre: left = room.left + (room.Width() - size.width) / 2; break;
    }
    int top = room.top;
    switch (VerticalOf(code)) {
    case Vertical::Top: top = room.top; break;
    case Vertical::Bottom: top = room.bottom - size.height; break;
    case Vertical::Middle: top = room.top + (room.Height() - size.height) / 2; break;
    }
    return {left, top, left + size.width, top + size.height};
}

// The part of the content the caption may use when the picture sits at an
// anchor of its own.
Rect RoomBesidePicture(const Rect& content, const Rect& picture, int picturePosition, int gap) {
    Rect room = content;
    switch (HorizontalOf(picturePosition)) {
    case Horizontal::Left: room.left = std::min(content.right, picture.right + gap); break;
    case Horizontal::Right: room.right = std::max(content.left, picture.left - gap); break;
    case Horizontal::Centre:
        if (VerticalOf(picturePosition) == Vertical::Top)
            room.top = std::min(content.bottom, picture.bottom + gap);
        else if (VerticalOf(picturePosition) == Vertical::Bottom)
            room.bottom = std::max(content.top, picture.top - gap);
        break;
    }
    return room;
}

// The caption is anchored in its room; a caption taller or wider than the
// room (a 14-pixel bar button) grows into the padding around it, evenly on
// both sides, rather than being cut to a sliver.
Rect AnchorCaption(Size size, Rect room, const Rect& outer, int code) {
    int missing = size.height - room.Height();
    if (missing > 0) {
        room.top = std::max(outer.top, room.top - (missing + 1) / 2);
        room.bottom = std::min(outer.bottom, room.bottom + missing / 2);
    }
    return Anchor(size, room, code);
}

Rect CaptionLimit(const LayoutRequest& request) { return Deflate(request.bounds, 1); }

// A picture larger than the content (a 32-pixel icon in a small button with
// large fonts) uses the padding rather than being cut, up to the frame.
Rect PictureRoom(Size picture, Rect room, const Rect& bounds, int frame) {
    Rect outer = Deflate(bounds, frame);
    auto grow = [](int& low, int& high, int need, int outerLow, int outerHigh) {
        int missing = need - (high - low);
        if (missing <= 0) return;
        low = std::max(outerLow, low - (missing + 1) / 2);
        high = std::min(outerHigh, high + missing / 2);
    };
    grow(room.left, room.right, picture.width, outer.left, outer.right);
    grow(room.top, room.bottom, picture.height, outer.top, outer.bottom);
    return room;
}

// The picture scaled down, keeping its proportions, to at most `height`.
Size NoTallerThan(Size picture, int height) {
    if (picture.height <= height) return picture;
    if (height <= 0) return {};
    return {std::max(1, picture.width * height / picture.height), height};
}

// A picture above or below its caption that the caption would be laid over
// (a 48-px icon and a 144-dpi caption in a 63-px button): the picture moves
// into the padding up to the frame and the caption into the padding on the
// far side, and where that is not room enough the picture is drawn smaller,
// so both stay whole.
void GiveWayToCaption(const LayoutRequest& request, const MeasureCaption& measure, Layout& layout) {
    const Rect& content = layout.content;
    const Rect frame = Deflate(request.bounds, request.metrics.bevel);
    const Rect limit = CaptionLimit(request);
    const int gap = request.metrics.gap;
    const bool pictureOnTop = VerticalOf(request.picturePosition) == Vertical::Top;
    const Size caption = measure(content.Width());
    const int span = pictureOnTop ? limit.bottom - frame.top : frame.bottom - limit.top;
    Size picture = NoTallerThan(request.picture, span - gap - caption.height);
    picture.width = std::min(picture.width, frame.Width());
    const int left = content.left + (content.Width() - picture.width) / 2;
    Rect room{content.left, limit.top, content.right, limit.bottom};
    if (picture.height == 0) {
        layout.picture = {};
    } else if (pictureOnTop) {
        layout.picture = {left, frame.top, left + picture.width, frame.top + picture.height};
        room.top = layout.picture.bottom + gap;
    } else {
        layout.picture = {left, frame.bottom - picture.height, left + picture.width, frame.bottom};
        room.bottom = layout.picture.top - gap;
    }
    layout.pictureSize = picture;
    layout.caption = Anchor(caption, room, request.captionPosition);
}

bool StackedWithCaption(int picturePosition) {
    return HorizontalOf(picturePosition) == Horizontal::Centre && VerticalOf(picturePosition) != Vertical::Middle;
}

void LayOutAnchored(const LayoutRequest& request, const MeasureCaption& measure, Layout& layout) {
    Rect pictureRoom = PictureRoom(request.picture, layout.content, request.bounds, request.metrics.bevel);
    layout.picture = Anchor(request.picture, pictureRoom, request.picturePosition);
    Rect room = layout.picture.Empty()
                    ? layout.content
                    : RoomBesidePicture(layout.content, layout.picture, request.picturePosition,
                                        request.metrics.gap);
    Size size = measure(room.Width());
    if (size.height > room.Height() && layout.picture.Empty()) {
        // Wrapped into more lines than the room holds (a short word in a
        // narrow bar button): let the caption use the padding's width too.
        // Still too many lines: one line, cut at both ends by the frame.
        Rect limit = CaptionLimit(request);
        Size wide = measure(limit.Width());
        if (wide.height > room.Height() + 2 * request.metrics.padding) wide = measure(kUnlimited);
        if (wide.height < size.height) {
            size = wide;
            room.left = limit.left;
            room.right = limit.right;
        }
    }
    layout.caption = AnchorCaption(size, room, CaptionLimit(request), request.captionPosition);
    const bool overlaid = !layout.picture.Empty() && !layout.caption.Empty() &&
                          layout.caption.top < layout.picture.bottom && layout.picture.top < layout.caption.bottom;
    if (overlaid && StackedWithCaption(request.picturePosition)) GiveWayToCaption(request, measure, layout);
}

void LayOutJoined(const LayoutRequest& request, const MeasureCaption& measure, Layout& layout);

// A centred picture with a caption: the caption takes its anchor, the picture
// the middle of what the caption leaves; both centred stack as one block.
void LayOutAroundCaption(const LayoutRequest& request, const MeasureCaption& measure, Layout& layout) {
    const Rect& content = layout.content;
    const int code = request.captionPosition;
    if (code == 7) {
        LayoutRequest stacked = request;
        stacked.picturePosition = 11;
        LayOutJoined(stacked, measure, layout);
        return;
    }
    layout.caption = AnchorCaption(measure(content.Width()), content, CaptionLimit(request), code);
    const int gap = request.metrics.gap;
    Rect room = content;
    switch (VerticalOf(code)) {
    case Vertical::Top: room.top = layout.caption.bottom + gap; break;
    case Vertical::Bottom: room.bottom = layout.caption.top - gap; break;
    case Vertical::Middle:
        if (HorizontalOf(code) == Horizontal::Left)
            room.left = layout.caption.right + gap;
        else
            room.right = layout.caption.left - gap;
        break;
    }
    bool fits = room.Width() >= request.picture.width && room.Height() >= request.picture.height;
    layout.picture = Anchor(request.picture, fits ? room : content, 7);
}

// Picture codes 9..12: picture and caption as one block.
void LayOutJoined(const LayoutRequest& request, const MeasureCaption& measure, Layout& layout) {
    const Rect& content = layout.content;
    const bool sideBySide = request.picturePosition <= 10;
    Size picture = ClipTo(request.picture, content);
    bool hasPicture = picture.width > 0 && picture.height > 0;
    int gap = hasPicture ? request.metrics.gap : 0;
    int captionRoom = sideBySide ? std::max(0, content.Width() - picture.width - gap) : content.Width();
    Size caption = measure(captionRoom);
    caption.width = std::clamp(caption.width, 0, captionRoom);
    bool hasCaption = caption.width > 0 && caption.height > 0;
    if (!hasCaption) gap = 0;

    Size block = sideBySide ? Size{picture.width + gap + caption.width, std::max(picture.height, caption.height)}
                            : Size{std::max(picture.width, caption.width), picture.height + gap + caption.height};
    Rect b = AnchorCaption(block, content, CaptionLimit(request), request.captionPosition);
    auto centredAcross = [&](Size s, int along) {
        if (sideBySide) {
            int top = b.top + (b.Height() - s.height) / 2;
            return Rect{along, top, along + s.width, top + std::min(s.height, b.Height())};
        }
        int left = b.left + (b.Width() - s.width) / 2;
        return Rect{left, along, left + std::min(s.width, b.Width()), along + s.height};
    };
    switch (request.picturePosition) {
    case 9:
        layout.picture = centredAcross(picture, b.left);
        layout.caption = centredAcross(caption, b.left + picture.width + gap);
        break;
    case 10:
        layout.caption = centredAcross(caption, b.left);
        layout.picture = centredAcross(picture, b.left + caption.width + gap);
        break;
    case 11:
        layout.picture = centredAcross(picture, b.top);
        layout.caption = centredAcross(caption, b.top + picture.height + gap);
        break;
    default:
        layout.caption = centredAcross(caption, b.top);
        layout.picture = centredAcross(picture, b.top + caption.height + gap);
        break;
    }
    // Whatever still overflows (a tall caption in a short button) is cut.
    const Rect limit = CaptionLimit(request);
    layout.caption.bottom = std::min(layout.caption.bottom, limit.bottom);
    layout.caption.right = std::min(layout.caption.right, content.right);
    layout.picture.bottom = std::min(layout.picture.bottom, content.bottom);
    layout.picture.right = std::min(layout.picture.right, content.right);
    if (!hasPicture) layout.picture = {};
}

}  // namespace

int ScaleFor96(int pixelsAt96, int dpi) {
    if (dpi <= 0) dpi = 96;
    return (pixelsAt96 * dpi + 48) / 96;
}

int PixelsToTwips(int pixels, int dpi) {
    if (dpi <= 0) dpi = 96;
    long long scaled = static_cast<long long>(pixels) * 1440;
    long long half = dpi / 2;
    return static_cast<int>(scaled >= 0 ? (scaled + half) / dpi : -((-scaled + half) / dpi));
}

// The launcher keeps its button sizes in pixels whatever the resolution, so
// frames, padding and gaps keep their pixel widths too (as the system's own
// controls do) and leave the room to the larger text; only the check box's
// square grows with the font beside it.
Metrics MetricsFor(int dpi) {
    Metrics m;
    m.checkBox = ScaleFor96(13, dpi);
    return m;
}

Layout ComputeLayout(const LayoutRequest& request, const MeasureCaption& measure) {
    Layout layout;
    layout.pictureSize = request.picture;
    layout.bevel = request.bounds;
    layout.content = Deflate(request.bounds, request.metrics.bevel + request.metrics.padding);
    if (request.pressed) {
        int shift = std::min(request.metrics.pressShift, request.metrics.padding);
        layout.content.left += shift;
        layout.content.top += shift;
        layout.content.right += shift;
        layout.content.bottom += shift;
    }
    int picturePosition = std::clamp(request.picturePosition, 0, kMaxPicturePosition);
    LayoutRequest clamped = request;
    clamped.picturePosition = picturePosition;
    clamped.captionPosition = std::clamp(request.captionPosition, 0, kMaxCaptionPosition);
    const bool centredWithCaption = picturePosition == 7 && clamped.picture.width > 0 &&
                                    clamped.picture.height > 0 && measure(layout.content.Width()).width > 0;
    if (centredWithCaption)
        LayOutAroundCaption(clamped, measure, layout);
    else if (picturePosition <= 8)
        LayOutAnchored(clamped, measure, layout);
    else
        LayOutJoined(clamped, measure, layout);
    return layout;
}

Layout ComputeCheckLayout(const Rect& bounds, const Metrics& metrics, int captionPosition,
                          const MeasureCaption& measure) {
    LayoutRequest request;
    request.bounds = bounds;
    request.metrics = metrics;
    request.metrics.bevel = 0;
    request.metrics.padding = 1;
    request.metrics.gap = metrics.gap + 1;
    request.picture = {metrics.checkBox, metrics.checkBox};
    request.picturePosition = 1;  // left, middle
    // The caption keeps to the right of the square: only its vertical anchor
    // and left/centre/right choice within that room matter.
    request.captionPosition = std::clamp(captionPosition, 0, kMaxCaptionPosition);
    return ComputeLayout(request, measure);
}

}  // namespace corvella::threed
