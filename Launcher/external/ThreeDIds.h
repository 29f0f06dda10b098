#pragma once
// The numbers the 3-D control family shares with its owner: property
// identifiers with their values, mouse buttons, shift-state bits and drag
// states.

namespace corvella::threed {

// Property identifiers accepted by SetProperty, with the values each takes
// (anything else is refused: SetProperty returns false and nothing changes).
constexpr int kPropButtonStyle = 51;      // 1 classic, 2 soft (default), 3 outline, 4 hot-track
constexpr int kPropTextEffect = 9;        // 0 flat, 1 inset light, 2 inset heavy, 3 raised light, 4 raised heavy
constexpr int kPropPicturePosition = 40;  // 0..12, see ThreeDLayout.h
constexpr int kPropCaptionPosition = 7;   // 0..8, see ThreeDLayout.h
constexpr int kPropTabLook = 13;          // 1 latched (the current section's tab), 3 normal
constexpr int kPropValue = 0;             // check box only: 0 unchecked, 1 checked

// Mouse buttons and shift-state bits reported by the events.
constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;
constexpr int kMiddleButton = 4;
constexpr int kShiftMask = 1;
constexpr int kControlMask = 2;
constexpr int kAltMask = 4;

// States of OnDragOver.
constexpr int kDragEnter = 0;
constexpr int kDragLeave = 1;
constexpr int kDragOver = 2;

}  // namespace corvella::threed
