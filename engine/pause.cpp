#include "engine/pause.h"

#include "engine/locking.h"
#include "engine/texts.h"

namespace defib {

void PauseClick(Scenario& s)
{
    if (!s.state.paused) {
        s.state.paused = true;
        s.ui.Pause.checked = true;
        lockControls(s);
        s.ui.Advice.enabled = false;
        s.ui.PatientHistory.enabled = false;
        s.ui.MainMSGDisplay.setText("  " + tx(s, "Select PAUSE under the FILE menu to continue."));
        s.timers.ELAPSEDSecTIMER.stop();
        return;
    }
    s.timers.ELAPSEDSecTIMER.start();
    unlockControls(s);
    s.state.paused = false;
    s.ui.Pause.checked = false;
    s.ui.Advice.enabled = true;
    s.ui.PatientHistory.enabled = true;
    s.ui.MainMSGDisplay.clear();
    // Every timer that ran when the pause began runs again, with a fresh interval, and gets back
    // the tag it had (Pause marks the tags of the running timers with 1). The timers start in the
    // window's order, which decides between two that come due at the same moment.
    if (s.patient)
        s.patient->resume();
    forEachScenarioTimer(s, [&](Timer& timer) {
        if (!timer.pausedWhileRunning)
            return;
        timer.pausedWhileRunning = false;
        timer.tag = timer.tagBeforePause;
        timer.start();
    });
}

} // namespace defib
