#include "device/device.h"
#include "engine/recorder.h"
#include "engine/score.h"
#include "engine/texts.h"
#include "patient/rules.h"
#include "patient/vitals.h"

namespace defib {

void VOICEButtonClick(Scenario& s)
{
    ScenarioState& st = s.state;
    MainWindow& ui = s.ui;
    if (!s.option(s.options.OptVoice))
        return;
    if (st.nextStep == StepEndScenario)
        ui.MainMSGDisplay.setText(tx(s, "The scenario is over...select END SCENARIO"));
    if (!device(s).state.powerLight) {
        ui.MainMSGDisplay.setText(tx(s, "The power must be on to record voice report."));
        return;
    }
    st.lastAction = Action::Voice;
    if (st.voiceReportCount <= 3 && st.previousAction != Action::Voice) {
        addScore(s, st.stepPoints);
        // A child under the limit gets no AED, so no report on it either.
        if (st.scenarioKind == KindUnderageChild && !s.option(s.options.OPTPEDSMONITOR))
            addScore(s, -st.stepPoints);
    }
    if (st.voiceReportCount < 2 && st.previousAction != Action::Voice && st.analyzeStarted)
        st.voiceReportCount = 1;
    ++st.voiceReportCount;
    updateVitalSigns(s);
    checkScenarioOver(s);
    recordAction(s);
    const DeviceState& dev = device(s).state;
    // A report given during an analysis (or while either "STAND CLEAR" shows) does not break the
    // action sequence.
    if (dev.screen == Screen::AnalyzingNow || dev.saysStandClear())
        st.lastAction = Action::Analyze;
    ui.MainMSGDisplay.addLine(tx(s, "Voice report recorded."));
}

void registerVoiceHandlers(Scenario& s, Handlers& h)
{
    h["VOICEButtonClick"] = [&s] { VOICEButtonClick(s); };
}

} // namespace defib
