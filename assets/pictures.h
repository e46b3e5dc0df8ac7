#pragma once

// The trainer's pictures: how to find them, and where the parts drawn over them go.
// Every figure is in the picture's own pixels at its natural size (100 % scaling).

#include <QString>

namespace defib::assets {

struct Box {
    int left, top, width, height;
};

struct Spot {
    int x, y, radius;
};

struct Point {
    int x, y;
};

// The resource path of a picture by name, e.g. ":/pictures/Patient1.svg".
QString picturePath(const char* name);

// The opened trainer, aed2 (500 x 400). The case lies opened flat: the device face on the left
// half, the lid with the pad diagram on the right. The program draws the display text, the LEDs
// and the buttons over these places; the picture shows only the window, rings and recesses.
namespace face {
// The dark display window; its two text lines are centred on x = 109.
inline constexpr Box display{24, 58, 170, 60};
// The LEDs, lit by the program: power (green), analyze (yellow), shock (red).
inline constexpr Spot powerLed{106, 164, 6};
inline constexpr Spot analyzeLed{106, 250, 6};
inline constexpr Spot shockLed{176, 152, 6};
// Where the 48 x 48 buttons sit (PowerButton or POWERBUTTON2, AnalyzeButton, ShockButton).
inline constexpr Box powerButton{38, 140, 48, 48};
inline constexpr Box analyzeButton{38, 226, 48, 48};
inline constexpr Box shockButton{152, 183, 48, 48};
// Where LOWBATTERYINDICATOR (24 x 14) sits: in the top right corner of the display window.
inline constexpr Box lowBattery{166, 62, 24, 14};
// The pads' socket on the lower left edge of the face: the cables end here.
inline constexpr Point socket{30, 354};
} // namespace face

// The pads' lead tab (PADWHITE, PADRED): where the cable joins the pad, in the pad's own pixels.
inline constexpr Point padLead{3, 3};

// A cable's two ends in its own pixels: the pad end near the top left corner, the plug's tip near
// the bottom right. Laid with the pad end on the pad's lead tab, the cable runs down and to the
// right; laid with the plug's tip on face::socket, it runs up and to the left to the patient.
inline constexpr Point whiteCablePad{5, 5};
inline constexpr Point whiteCablePlug{227, 296};
inline constexpr Point redCablePad{5, 5};
inline constexpr Point redCablePlug{146, 227};

} // namespace defib::assets
