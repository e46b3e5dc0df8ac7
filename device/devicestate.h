#pragma once

#include <cstdint>

namespace defib {

// What the lower display line says. It is the device's phase: a press is refused while it
// analyses or holds a charge, Clear and Voice count as part of an analysis while it says
// "STAND CLEAR" or "ANALYZING NOW". The display is written from it, never read.
enum class Screen : std::uint8_t {
    Blank,
    SelfTest,
    ConnectElectrodes,
    PushAnalyze,
    AnalysisStandClear, // "STAND CLEAR" before and during an analysis
    AnalyzingNow,
    MotionDetected,
    StopMotion,
    NoShockAdvised,
    ShockAdvised,
    ShockStandClear, // "STAND CLEAR" while the charge is held
    PushToShock,
    ChargeRemoved,
    CheckForPulse,
    IfNoPulse,
    StartCpr,
    ReplaceBattery,
    // The single-shock protocol's prompts around its CPR period.
    ShockDelivered,
    StopCpr,
};

const char* screenText(Screen screen);

// The steps of the prompt chains. Each step has the interval its timer runs at, set together
// with the step, so the timings stay those of the device; the handlers decide from the step.
enum class PushAnalyzeStep : int {
    // As the window starts, before any chain has set a step.
    Initial = 100,
    Plain = 2000,
    // After power-on or the pads, and after a disarm: the longer prompt.
    AfterSetup = 1500,
    AfterDisarm = 2500,
};
enum class AnalyzingNowStep : int {
    // The first "ANALYZING NOW" of an analysis and the one after motion speak.
    First = 4000,
    AfterMotion = 1500,
    Repeat = 1000,
};
enum class MotionStep : int { First = 1000, Repeat = 1001 };
enum class ShockStandClearStep : int {
    // The first "STAND CLEAR" after charging speaks, and so does the "PUSH TO SHOCK" after it.
    First = 6000,
    Repeat = 1000,
};
enum class FlashingLed : int { Analyze = 500, Shock = 600 };
enum class IfNoPulseStep : int {
    // After a verdict or a shock series: the first also says to start CPR.
    FirstAfterVerdict = 3000,
    RepeatAfterVerdict = 2001,
    // After the CPR countdown: the first speaks, then "PUSH ANALYZE" follows.
    FirstAfterCountdown = 2002,
    RepeatAfterCountdown = 2003,
};
enum class PushAnalyzeAfterCprStep : int { First = 2000, Repeat = 2001 };
// After the single-shock protocol's "STOP CPR", every 2 s: first the analysis (or a spoken "PUSH
// ANALYZE"), then "STOP CPR" and "PUSH ANALYZE" by turns, silently, until Analyze is pressed.
enum class AfterStopCprStep : int { First, StopCpr, PushAnalyze };

// Where the steps of the chains stand. Like the intervals that go with them, they are kept from
// one scenario to the next; every chain sets its step before it runs.
struct ChainSteps {
    PushAnalyzeStep pushAnalyze = PushAnalyzeStep::Initial;
    AnalyzingNowStep analyzingNow = AnalyzingNowStep::First;
    MotionStep motion = MotionStep::First;
    ShockStandClearStep shockStandClear = ShockStandClearStep::First;
    FlashingLed flashing = FlashingLed::Analyze;
    IfNoPulseStep ifNoPulse = IfNoPulseStep::FirstAfterVerdict;
    PushAnalyzeAfterCprStep pushAnalyzeAfterCpr = PushAnalyzeAfterCprStep::First;
    AfterStopCprStep afterStopCpr = AfterStopCprStep::First;
};

// One electrode pad.
struct PadState {
    // Picked up from the tray or the patient and not yet let go.
    bool dragged = false;
    // On the patient's side zone, where PadSMALL stands for it.
    bool atSide = false;
    // Let go on the chest outside both zones: it lies where it was dropped, marked as misplaced,
    // until a zone takes it (picked up and let go elsewhere, it comes back there).
    bool onTorso = false;
};

// The trainer AED's own record; the scenario state keeps what the protocol reads (power pressed,
// pads attached, shock advised, the pending trouble, the countdown).
struct DeviceState {
    // Opened by its power button (the open trainer, aed2, is shown): from then on its second power
    // button answers whenever the controls do.
    bool opened = false;
    // The power light is on: from the end of the 150 ms after the press until the battery is out.
    bool powerLight = false;
    bool analyzeLed = false;
    bool shockLed = false;
    Screen screen = Screen::Blank;
    // The last prompt was the charging sound: until the next prompt no shock is given.
    bool chargeSounding = false;
    // Clear has been counted for this analysis or shock; the analysis start and the shock reset it.
    bool clearCounted = false;
    // The charge chain of an advised shock runs: from "SHOCK ADVISED" through charging and the
    // held charge's prompts until the shock, the disarm or the next analysis stops it (Pause holds
    // it, the time-out and the end stop it).
    bool chargeChain = false;
    // The advised shock was never given: the device disarmed.
    bool shockNotGiven = false;
    PadState white;
    PadState red;
    // A zone holds one pad: the upper right one from the first pad let go there (CABLEWHITE is
    // drawn), the side one likewise (CABLERED), a pad come loose in an electrode trouble included.
    bool upperZoneTaken = false;
    bool sideZoneTaken = false;
    // Where PadSMALL stood before its pad came loose, so re-attaching puts it back.
    int looseLeft = 0;
    int looseTop = 0;

    bool analysing() const
    {
        return screen == Screen::AnalysisStandClear || screen == Screen::AnalyzingNow || reportsMotion();
    }
    bool reportsMotion() const { return screen == Screen::MotionDetected || screen == Screen::StopMotion; }
    // Either "STAND CLEAR": of the analysis or of the held charge.
    bool saysStandClear() const { return screen == Screen::AnalysisStandClear || screen == Screen::ShockStandClear; }
    // "SHOCK ADVISED", the held charge's "STAND CLEAR" or "PUSH TO SHOCK": from the verdict until
    // the charge is removed, or the second after the shock until the counter shows it.
    bool saysShock() const
    {
        return screen == Screen::ShockAdvised || screen == Screen::ShockStandClear || screen == Screen::PushToShock;
    }
};

} // namespace defib
