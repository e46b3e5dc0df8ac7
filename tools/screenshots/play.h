#pragma once

// How the screenshot tools and defibrio-perf play the main window as a trainee would: a practice
// run registered from the main menu, and the pads dropped on the middle of their zones.

#include <string>
#include <tuple>

#include "ui/mainwindow.h"

namespace defib::play {

// Start on the main menu, `name` in the registration, Practice, OK: the scenario then waits for
// its start click.
inline void registerPractice(ui::TForm1& window, const std::string& name)
{
    Scenario& s = window.scenario();
    window.run("MenuStartClick");
    s.registration.NameEdit.setText(name);
    s.registration.PracticeRadioButton.checked = true;
    window.run("TUserNAMEFORM.OKButtonClick");
}

// The white pad, then the red one, each picked up, dropped on the middle of its zone and let go.
inline void placePads(ui::TForm1& window)
{
    Scenario& s = window.scenario();
    for (auto [pad, zone, drop] : {std::tuple{"PADWHITE", &s.ui.PADWhiteZone, "PADWhiteZoneDragDrop"},
                                   std::tuple{"PADRED", &s.ui.PADRedZONE, "PADRedZONEDragDrop"}}) {
        s.dropX = zone->left + zone->width / 2;
        s.dropY = zone->top + zone->height / 2;
        window.run(std::string(pad) + "StartDrag");
        window.run(drop);
        window.run(std::string(pad) + "EndDrag");
    }
}

} // namespace defib::play
