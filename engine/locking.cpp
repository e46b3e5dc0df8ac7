#include "engine/locking.h"

namespace defib {

void lockControls(Scenario& s)
{
    stopAllTimers(s);
    s.state.controlsLocked = true;
    for (Control* control :
         {&s.ui.PATIENTTorsoZONE, &s.ui.PADWHITE, &s.ui.PADRED, &s.ui.CPRButton, &s.ui.PulseButton, &s.ui.ABCsButton,
          &s.ui.BPButton, &s.ui.TROUBLEShootButton, &s.ui.VOICEButton, &s.ui.CLEARButton, &s.ui.PowerButton,
          &s.ui.POWERBUTTON2, &s.ui.AnalyzeButton, &s.ui.ShockButton, &s.ui.EndButton})
        control->enabled = false;
}

void unlockControls(Scenario& s)
{
    if (s.patient)
        s.patient->controlsUnlocked();
    s.state.controlsLocked = false;
    s.ui.PatientHistory.enabled = true;
    s.ui.PADWHITE.enabled = !s.state.topPadAttached;
    s.ui.PADRED.enabled = !s.state.bottomPadAttached;
    for (Control* control : {&s.ui.CPRButton, &s.ui.PulseButton, &s.ui.ABCsButton, &s.ui.BPButton,
                             &s.ui.TROUBLEShootButton, &s.ui.CLEARButton, &s.ui.PowerButton, &s.ui.AnalyzeButton,
                             &s.ui.ShockButton, &s.ui.EndButton, &s.ui.PATIENTTorsoZONE})
        control->enabled = true;
    s.ui.VOICEButton.enabled = s.option(s.options.OptVoice);
    s.ui.POWERBUTTON2.enabled = s.device && s.device->opened();
}

void stopAllTimers(Scenario& s)
{
    if (s.state.paused) {
        forEachScenarioTimer(s, [](Timer& timer) {
            if (timer.enabled()) {
                timer.tagBeforePause = timer.tag;
                timer.tag = 1;
                timer.pausedWhileRunning = true;
            }
        });
        if (s.patient)
            s.patient->suspend();
        if (s.device)
            s.device->suspend();
    }
    forEachScenarioTimer(s, [](Timer& timer) { timer.stop(); });
}

} // namespace defib
