#include "engine/recorder.h"

#include "engine/nextstep.h"
#include "engine/scenarioclock.h"
#include "engine/score.h"
#include "engine/texts.h"

namespace defib {

static void timeOut(Scenario& s, const char* text)
{
    s.ui.MainMSGDisplay.setText(tx(s, text));
    s.timeOutReason = text;
    s.summary.Errors.addLine(tx(s, "Slow treatment of patient."));
    s.state.nextStep = StepEndScenario;
    s.state.timedOut = true;
    // The scenario is over: the trainer and the patient's animations stop where they are, and only
    // the scenario clock and the flashing "scenario over" go on until End Scenario.
    for (Timer* timer : s.scheduler.timers())
        if (timer != &s.timers.ELAPSEDSecTIMER)
            timer->stop();
    announceScenarioOver(s);
}

void recordAction(Scenario& s)
{
    ScenarioState& st = s.state;
    if (st.timedOut) {
        s.ui.MainMSGDisplay.setText(tx(s, tooLongToTreat));
        announceScenarioOver(s);
        return;
    }
    if (st.lastAction != Action::None && !st.adviceMode) {
        const std::string step = " " + tx(s, actionName(st.lastAction));
        s.ui.Steps.setText(step);
        s.ui.STEPS2.addLine(step);
        showScore(s);
    }
    // Advice costs 50 for each action it is asked for, but nothing once the scenario is over.
    if (st.lastAction != Action::None && st.adviceMode && !st.overAnnounced) {
        ++st.adviceUseCount;
        addScore(s, -50, adviceUsedText);
        showScore(s);
    }
    if (st.analyzeCount > 0 && st.elapsedSeconds > s.protocol().timeLimitAfterFirstAnalysis(s)) {
        timeOut(s, tooLongToTreat);
        return;
    }
    if (st.analyzeCount == 0 && st.lastAction == Action::Power && st.elapsedSeconds > 240) {
        timeOut(s, tooLongToStart);
        return;
    }
    if (st.elapsedSeconds == 0 && st.controlsLocked) {
        s.ui.MainMSGDisplay.setLine(2, tx(s, ">> CLICK HERE TO START. <<"));
        st.adviceMode = false;
        return;
    }
    if (st.nextStep == StepEndScenario && !st.adviceMode)
        return;
    st.nextStep = selectNextStep(s);
    st.actionBeforePrevious = st.previousAction;
    st.previousAction = st.lastAction;
    if (st.adviceMode) {
        s.ui.MainMSGDisplay.setText(tx(s, adviceText(st.nextStep)));
        st.adviceMode = false;
    }
    s.debug.Label1.setText(stepShortName(st.nextStep));
}

void AdviceClick(Scenario& s)
{
    s.state.adviceMode = true;
    recordAction(s);
}

void PatientHistoryClick(Scenario& s)
{
    s.ui.MainMSGDisplay.setText(s.state.patientHistory);
}

} // namespace defib
