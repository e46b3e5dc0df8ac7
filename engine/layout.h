#pragma once

namespace defib {

// Where things stand in the main window, in pixels at 100 % scaling. The pictures in
// assets/pictures are drawn at these sizes, so that the pad offsets and the moves of the
// animations land on the patient.

struct Rect {
    int left, top, width, height;
};

inline constexpr int mainWindowWidth = 1100;
inline constexpr int mainWindowHeight = 720;

// Every patient picture has the same frame; a smaller body sits lower and narrower in it.
inline constexpr Rect patientPicture{40, 70, 180, 440};

// The trainer: the closed case and the opened one share one frame.
inline constexpr Rect devicePicture{290, 90, 500, 400};

// Where a patient body puts the side zone, the small side view of a pad, the drop zones and the
// pictures that touch the patient. Offsets are relative to the patient picture.
struct BodyLayout {
    Rect whiteZone; // upper right torso, below the collarbone
    Rect redZone; // the patient's left side
    Rect padSmall; // the pad at the side zone, seen from the side
    Rect torso; // the rest of the torso: a wrong place for a pad
    Rect cprHands; // CPRHAND2 (adult) or CPRHAND (child) on the sternum
    Rect pulseHand; // on the carotid
    Rect airway; // the open mouth
    Rect shake; // hands on the shoulders, home position
    Rect breathing; // look, listen and feel, beside the face
    Rect bvm; // bag-valve mask on the face
    Rect bvmHand; // the hand squeezing the bag
    Rect faceMask; // pocket mask on the face
    Rect faceMaskBlow; // rescuer blowing into the mask
    Rect bpCuff; // upper arm
};

inline constexpr BodyLayout bodyLayouts[4] = {
    // 0: adult male, broad
    {{48, 72, 36, 40},
     {116, 150, 40, 44},
     {150, 150, 14, 40},
     {30, 62, 120, 170},
     {58, 112, 64, 56},
     {96, 50, 30, 26},
     {85, 40, 12, 6},
     {18, 56, 144, 30},
     {104, 14, 60, 44},
     {70, 22, 42, 30},
     {82, 2, 52, 34},
     {72, 26, 38, 26},
     {66, 0, 52, 40},
     {4, 96, 30, 44}},
    // 1: male
    {{49, 76, 34, 38},
     {114, 152, 38, 42},
     {146, 152, 14, 40},
     {34, 66, 112, 166},
     {58, 114, 62, 54},
     {95, 52, 30, 26},
     {85, 42, 12, 6},
     {22, 60, 136, 30},
     {104, 16, 60, 44},
     {70, 24, 42, 30},
     {82, 4, 52, 34},
     {72, 28, 38, 26},
     {66, 2, 52, 40},
     {8, 98, 30, 44}},
    // 2: female
    {{47, 76, 34, 38},
     {112, 152, 38, 42},
     {144, 152, 14, 40},
     {36, 66, 108, 166},
     {58, 116, 62, 54},
     {94, 52, 30, 26},
     {85, 42, 12, 6},
     {24, 60, 132, 30},
     {104, 16, 60, 44},
     {70, 24, 42, 30},
     {82, 4, 52, 34},
     {72, 28, 38, 26},
     {66, 2, 52, 40},
     {10, 98, 30, 44}},
    // 3: child, smaller and lower in the frame
    {{53, 90, 34, 38},
     {108, 160, 34, 38},
     {134, 160, 14, 36},
     {48, 84, 84, 130},
     {62, 126, 56, 48},
     {92, 70, 26, 22},
     {85, 62, 10, 5},
     {34, 78, 112, 26},
     {102, 36, 54, 40},
     {72, 44, 36, 26},
     {82, 26, 46, 30},
     {74, 48, 32, 22},
     {68, 24, 46, 36},
     {28, 110, 26, 38}},
};

// The pad trays beside the trainer, where the pads lie before they are placed.
inline constexpr Rect whitePadTray{300, 520, 28, 31};
inline constexpr Rect redPadTray{340, 520, 29, 31};

// Cables are drawn from the pad towards the trainer's socket.
inline constexpr Rect whiteCable{0, 0, 230, 300};
inline constexpr Rect redCable{0, 0, 150, 230};

// Where the SHOUT bubble is placed at every responsiveness check.
inline constexpr int shoutLeft = 8;
inline constexpr int shoutTop = 44;

// Pad sizes at the upper right zone, by body (white, red), and their offsets there.
struct PadFit {
    int whiteWidth, whiteHeight, redWidth, redHeight, left, top;
};
inline constexpr PadFit padFits[4] = {
    {28, 31, 29, 31, 52, 77},
    {27, 30, 27, 30, 53, 81},
    {26, 29, 26, 29, 51, 81},
    {26, 29, 26, 29, 57, 94},
};

// The upper display line stands here at power-on and at "START CPR".
inline constexpr int displayLeft = 324;
inline constexpr int displayWidth = 150;

} // namespace defib
