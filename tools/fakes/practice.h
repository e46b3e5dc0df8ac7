#pragma once

// A practice scenario under way on a trainer nobody sits at: the console's stations in the window
// tests and the screenshot tools.

#include <string>

#include "device/trainer.h"
#include "engine/flow.h"

namespace defib::fakes {

// The trainer on `clock`, its files in `folder`, without troubles: `trainee` has registered for
// practice, a drawn patient waits no more and the scenario's clock runs.
inline void startPractice(Trainer& trainer, VirtualClock& clock, const std::string& folder, const std::string& trainee)
{
    Scenario& s = trainer.scenario();
    clock.attach(s.scheduler);
    s.options.programDirectory = folder;
    startProgram(s);
    s.options.setText(s.options.OptTroubleOdds, "0");
    s.options.optionsDirty = false;
    registerUser(s, trainee, "", false);
    startNewScenario(s);
    trainer.run("MainMSGDisplayClick");
}

// Lets a pad go in the middle of a zone, as the trainee's drag does.
inline void dropPad(Trainer& trainer, const std::string& pad, const std::string& zone)
{
    Scenario& s = trainer.scenario();
    if (Control* target = s.findControl(zone)) {
        s.dropX = target->left + target->width / 2;
        s.dropY = target->top + target->height / 2;
    }
    trainer.run(pad + "StartDrag");
    trainer.run(zone + "DragDrop");
    trainer.run(pad + "EndDrag");
}

} // namespace defib::fakes
