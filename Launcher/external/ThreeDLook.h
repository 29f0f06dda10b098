#pragma once
// The look of a 3-D control as numbers: the properties it accepts with their
// ranges, and which frame each button style draws in each state.
//
// Button style (property 51), one look for buttons and tabs alike:
//
//   style  at rest                    pointer over it          pressed / latched tab
//   1      classic: 2-pixel raised    same                     2-pixel sunken
//          bevel, dark outer shadow
//   2      soft (the default): 1-px   1-px raised, lighter     1-px sunken, fill darker
//          raised bevel, fill shaded  fill
//          from light at the top to
//          a little darker at the
//          bottom
//   3      outline: flat fill in a    outline, lighter fill    outline, fill darker
//          1-px dark frame
//   4      hot-track: flat, no frame  1-px raised bevel        1-px sunken
//
// Text effect (property 9): 0 flat; 1 inset light (caption engraved: a light
// copy below right), 2 inset heavy (also a shadow above left); 3 raised light
// (caption embossed: a light copy above left, a shadow below right), 4 raised
// heavy (a second shadow pixel).
//
// Tab look (property 13): 1 latched, drawn pressed in the style's pressed
// frame with a lighter fill, marks the current section's tab; 3 normal.
#include <cstdint>

namespace corvella::threed {

enum class Kind { Button, Panel, Check };

struct Look {
    int32_t buttonStyle = 2;
    int32_t textEffect = 0;
    int32_t picturePosition = 7;
    int32_t captionPosition = 7;
    int32_t tabLook = 3;
    int32_t value = 0;  // check box: 0 unchecked, 1 checked
};

// A new control's look: a check box's caption starts left of centre, beside
// its square; the others start centred.
Look DefaultLook(Kind kind);

// Sets one property when `kind` has it and the value is in its range; false
// (and `look` unchanged) otherwise.
bool ApplyProperty(Look& look, Kind kind, int dispatchId, int32_t value);
// The value of a property, or -1 when `kind` has no such property.
int32_t ReadProperty(const Look& look, Kind kind, int dispatchId);

enum class Frame { None, RaisedThin, RaisedThick, SunkenThin, SunkenThick, Outline };

// How the control's fill is tinted relative to its back colour.
enum class Fill { Plain, Lighter, Darker, ShadedTop };

struct Appearance {
    Frame frame = Frame::None;
    Fill fill = Fill::Plain;
    bool contentPressed = false;  // picture and caption move down-right
};

struct State {
    bool pressed = false;  // mouse or Space held on it
    bool hot = false;      // pointer over it
};

Appearance AppearanceOf(Kind kind, const Look& look, State state);

// Which copies of the caption a text effect draws, as offsets and shade:
// light copies are drawn in the highlight colour, dark ones in the shadow.
struct TextCopy {
    int dx = 0;
    int dy = 0;
    bool light = false;
};
// Up to three copies under the caption itself; returns how many.
int TextEffectCopies(int32_t textEffect, TextCopy (&copies)[3]);

// OLE colours: 0x00BBGGRR, or 0x800000nn for system colour nn.
struct OleColour {
    bool system = false;
    int systemIndex = 0;  // when system
    uint8_t red = 0, green = 0, blue = 0;
};
OleColour DecodeOleColour(int32_t colour);

// Mixes `amount`/256 of white (positive) or black (negative) into a colour.
struct Rgb {
    uint8_t red = 0, green = 0, blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};
Rgb Tint(Rgb colour, int amount);

}  // namespace corvella::threed
