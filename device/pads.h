#pragma once

#include "engine/scenario.h"
#include "options/catalogue.h"

namespace defib {

// The electrode pads, dragged from their tray onto the patient: the white (top) pad belongs below
// the right collarbone (PADWhiteZone), the red one at the left side (PADRedZONE). Either zone takes
// either pad; the rest of the torso is a wrong place.
void PADWHITEStartDrag(Scenario& s);
void PADWHITEEndDrag(Scenario& s);
void PADREDStartDrag(Scenario& s);
void PADREDEndDrag(Scenario& s);
void PADWhiteZoneDragDrop(Scenario& s);
void PADRedZONEDragDrop(Scenario& s);
// Whether the pad (PADWHITE or PADRED) is picked up and carried: a refused drag carries nothing.
bool padCarried(Scenario& s, const Control& pad);
// s.dropX / s.dropY hold where the pad was let go, in window coordinates.
void PATIENTTorsoZONEDragDrop(Scenario& s);
// A press on the loose pad or its cable re-attaches it during an electrode trouble.
void PADRedZONEMouseDown(Scenario& s);
void CABLEREDMouseDown(Scenario& s);

// Writes the view of the pads' places from the records: the zones lit while a pad is carried,
// the marks on a pad that lies in a wrong place. Every pad handler ends with it.
void showPadPlaces(Scenario& s);
// Where a pad dropped in a wrong place belongs: its own zone, or the other one when its own is
// taken ("The white electrode belongs on the upper right chest, below the collarbone.").
std::string wherePadBelongs(Scenario& s, const Control& pad);

inline constexpr const char* incorrectLocation = TX("Incorrect location. Try again (-100).");
inline constexpr const char* attachOtherElectrode = TX("Attach the other electrode.");

} // namespace defib
