#include "external/ThreeDLook.h"

#include <algorithm>

#include "external/ThreeDIds.h"
#include "external/ThreeDLayout.h"

namespace corvella::threed {

namespace {

struct PropertyRange {
    int id;
    int32_t low;
    int32_t high;
    int32_t Look::*field;
    bool button, panel, check;
};

// Which kind has which property, and its range. The panel has no press and no
// picture; the check box draws its own square and has a value.
constexpr PropertyRange kProperties[] = {
    {kPropButtonStyle, 1, 4, &Look::buttonStyle, true, true, false},
    {kPropTextEffect, 0, 4, &Look::textEffect, true, true, true},
    {kPropPicturePosition, 0, kMaxPicturePosition, &Look::picturePosition, true, false, false},
    {kPropCaptionPosition, 0, kMaxCaptionPosition, &Look::captionPosition, true, true, true},
    {kPropTabLook, 1, 3, &Look::tabLook, true, false, false},
    {kPropValue, 0, 1, &Look::value, false, false, true},
};

const PropertyRange* Find(Kind kind, int id) {
    for (const auto& p : kProperties) {
        if (p.id != id) continue;
        bool has = kind == Kind::Button ? p.button : kind == Kind::Panel ? p.panel : p.check;
        return has ? &p : nullptr;
    }
    return nullptr;
}

uint8_t Mix(uint8_t channel, int amount) {
    int target = amount >= 0 ? 255 : 0;
    int weight = std::min(256, amount >= 0 ? amount : -amount);
    return static_cast<uint8_t>(channel + ((target - channel) * weight) / 256);
}

Appearance ButtonAppearance(const Look& look, State state) {
    bool latched = look.tabLook == 1;
    bool down = state.pressed || latched;
    Appearance a;
    a.contentPressed = down;
    switch (look.buttonStyle) {
    case 1:
        a.frame = down ? Frame::SunkenThick : Frame::RaisedThick;
        a.fill = latched ? Fill::Lighter : Fill::Plain;
        break;
    case 3:
        a.frame = Frame::Outline;
        a.fill = state.pressed ? Fill::Darker : (latched || state.hot) ? Fill::Lighter : Fill::Plain;
        break;
    case 4:
        a.frame = down ? Frame::SunkenThin : state.hot ? Frame::RaisedThin : Frame::None;
        a.fill = latched ? Fill::Lighter : Fill::Plain;
        break;
    default:
        a.frame = down ? Frame::SunkenThin : Frame::RaisedThin;
        a.fill = state.pressed ? Fill::Darker : latched ? Fill::Lighter : state.hot ? Fill::Lighter : Fill::ShadedTop;
        break;
    }
    return a;
}

}  // namespace

Look DefaultLook(Kind kind) {
    Look look;
    if (kind == Kind::Check) look.captionPosition = 1;
    return look;
}

bool ApplyProperty(Look& look, Kind kind, int dispatchId, int32_t value) {
    const PropertyRange* p = Find(kind, dispatchId);
    if (!p || value < p->low || value > p->high) return false;
    // Tab look has two meanings only: latched (1) and normal (3).
    if (dispatchId == kPropTabLook && value == 2) return false;
    look.*(p->field) = value;
    return true;
}

int32_t ReadProperty(const Look& look, Kind kind, int dispatchId) {
    const PropertyRange* p = Find(kind, dispatchId);
    return p ? look.*(p->field) : -1;
}

Appearance AppearanceOf(Kind kind, const Look& look, State state) {
    switch (kind) {
    case Kind::Button: return ButtonAppearance(look, state);
    case Kind::Panel: {
        Appearance a;
        a.frame = look.buttonStyle == 1 ? Frame::RaisedThick
                  : look.buttonStyle == 3 ? Frame::Outline
                  : look.buttonStyle == 4 ? Frame::None
                                          : Frame::SunkenThin;
        return a;
    }
    case Kind::Check: return {};
    }
    return {};
}

int TextEffectCopies(int32_t textEffect, TextCopy (&copies)[3]) {
    switch (textEffect) {
    case 1: copies[0] = {1, 1, true}; return 1;
    case 2: copies[0] = {1, 1, true}; copies[1] = {-1, -1, false}; return 2;
    case 3: copies[0] = {-1, -1, true}; copies[1] = {1, 1, false}; return 2;
    case 4: copies[0] = {-1, -1, true}; copies[1] = {1, 1, false}; copies[2] = {2, 2, false}; return 3;
    default: return 0;
    }
}

OleColour DecodeOleColour(int32_t colour) {
    OleColour out;
    uint32_t bits = static_cast<uint32_t>(colour);
    if ((bits & 0xFF000000u) == 0x80000000u) {
        out.system = true;
        out.systemIndex = static_cast<int>(bits & 0xFFu);
        return out;
    }
    out.red = static_cast<uint8_t>(bits & 0xFFu);
    out.green = static_cast<uint8_t>((bits >> 8) & 0xFFu);
    out.blue = static_cast<uint8_t>((bits >> 16) & 0xFFu);
    return out;
}

Rgb Tint(Rgb colour, int amount) {
    return {Mix(colour.red, amount), Mix(colour.green, amount), Mix(colour.blue, amount)};
}

}  // namespace corvella::threed
