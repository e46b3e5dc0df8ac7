#pragma once

#include <cstdint>
#include <string>

namespace defib {

using u8 = std::uint8_t;
using i16 = std::int16_t;
using i32 = std::int32_t;

// Everything a scenario knows: X(type, name, start value). The program flow resets every field
// to its start value when a scenario starts, except the registration, the draw and the exam count.
// The last fields follow the single-shock protocol's CPR period: its phase (CprPeriodPhase),
// whether a shock asked for it, whether its rules are scored (not after a "NO SHOCK ADVISED" on a
// patient whose circulation has returned), whether CPR was started in it, whether stopping early
// was charged, and how many periods came before the scenario's last required analysis; the
// CPR hands as last seen, so that their going on and coming off is noticed once; and whether the
// analysis under way found the CPR hands on the chest (a safety error of the single-shock protocol).
// Then whether the click that starts the scenario (its clock and its log) was made; Pause holding
// it; the trainee's controls locked (before the start click, during Pause, once evaluated); the
// flashing "scenario over" announced (by the time-out or a complete treatment); the scenario second of the first shock
// (-1 before it); whether the records were written without a shock ("NO SHOCKS"); and whether the summary lets the
// scenario be repeated (decided when the records are written, before the summary can answer).
// Then the scenario of frames: its title (empty for a drawn patient), the frame under way (0 the
// first), the shocks and verdicts in it, whether its trouble has come, and its start in scenario
// milliseconds.
#define DEFIB_STATE_FIELDS(X)                                                                                          \
    X(Action, lastAction, Action::None)                                                                                \
    X(Action, previousAction, Action::None)                                                                            \
    X(Action, actionBeforePrevious, Action::None)                                                                      \
    X(u8, nextStep, 2)                                                                                                 \
    X(bool, adviceMode, false)                                                                                         \
    X(i32, adviceUseCount, 0)                                                                                          \
    X(bool, timedOut, false)                                                                                           \
    X(i32, elapsedSeconds, 0)                                                                                          \
    X(i16, score, 0)                                                                                                   \
    X(u8, stepPoints, 0)                                                                                               \
    X(bool, responsivenessChecked, false)                                                                              \
    X(bool, airwayOpened, false)                                                                                       \
    X(bool, breathingChecked, false)                                                                                   \
    X(bool, breathingRateChecked, false)                                                                               \
    X(bool, ventilated, false)                                                                                         \
    X(bool, ventilatedAfterRosc, false)                                                                                \
    X(bool, circulationChecked, false)                                                                                 \
    X(bool, bpChecked, false)                                                                                          \
    X(bool, cprPerformed, false)                                                                                       \
    X(bool, cprSinceAnalysis, false)                                                                                   \
    X(bool, aedPowerOn, false)                                                                                         \
    X(bool, topPadAttached, false)                                                                                     \
    X(bool, bottomPadAttached, false)                                                                                  \
    X(bool, patientCleared, false)                                                                                     \
    X(bool, clearEverPressed, false)                                                                                   \
    X(bool, shockAdvised, false)                                                                                       \
    X(bool, analyzeStarted, false)                                                                                     \
    X(bool, pulseCheckedAfterShock, false)                                                                             \
    X(bool, analyzeDuringTrouble, false)                                                                               \
    X(bool, handsOnStarted, false)                                                                                     \
    X(bool, underageAttempted, false)                                                                                  \
    X(bool, restoredVitalsDrawn, false)                                                                                \
    X(i32, timelyPulseChecks, 0)                                                                                       \
    X(bool, abcsChainRunning, false)                                                                                   \
    X(u8, analyzeCount, 0)                                                                                             \
    X(u8, analyzeSinceShock, 0)                                                                                        \
    X(u8, analysesCompleted, 0)                                                                                        \
    X(u8, shockCount, 0)                                                                                               \
    X(u8, shocksInSeries, 0)                                                                                           \
    X(u8, cprCount, 0)                                                                                                 \
    X(u8, voiceReportCount, 0)                                                                                         \
    X(u8, ventilationBreaths, 0)                                                                                       \
    X(u8, cprCycleCounter, 0)                                                                                          \
    X(u8, pendingTrouble, 0)                                                                                           \
    X(u8, scenarioKind, 0)                                                                                             \
    X(u8, shocksToConvert, 0)                                                                                          \
    X(u8, rhythmState, 0)                                                                                              \
    X(u8, patientBody, 0)                                                                                              \
    X(u8, pulseRate, 0)                                                                                                \
    X(u8, breathingRate, 0)                                                                                            \
    X(std::string, bloodPressureText, "0")                                                                             \
    X(std::string, patientHistory, "")                                                                                 \
    X(i32, cprCountdownSecs, 0)                                                                                        \
    X(i32, dropPointX, 0)                                                                                              \
    X(i32, dropPointY, 0)                                                                                              \
    X(std::string, lastSoundFile, "CLICK.WAV")                                                                         \
    X(std::string, elapsedTimeText, "")                                                                                \
    X(std::string, scoreText, "")                                                                                      \
    X(std::string, reportLine, "")                                                                                     \
    X(std::string, userName, "")                                                                                       \
    X(std::string, userIdNumber, "")                                                                                   \
    X(std::string, registrationDate, "")                                                                               \
    X(bool, practiceMode, true)                                                                                        \
    X(u8, examScenarioNumber, 0)                                                                                       \
    X(u8, cprPeriod, 0)                                                                                                \
    X(bool, cprPeriodAfterShock, false)                                                                                \
    X(bool, cprPeriodScored, false)                                                                                    \
    X(bool, cprStartedInPeriod, false)                                                                                 \
    X(bool, earlyStopCharged, false)                                                                                   \
    X(u8, cprPeriodsBeforeLastAnalysis, 0)                                                                             \
    X(bool, cprHandsOn, false)                                                                                         \
    X(bool, handsOnInAnalysis, false)                                                                                  \
    X(bool, startClicked, false)                                                                                       \
    X(bool, paused, false)                                                                                             \
    X(bool, controlsLocked, true)                                                                                      \
    X(bool, overAnnounced, false)                                                                                      \
    X(i32, firstShockSecond, -1)                                                                                       \
    X(bool, recordedWithoutShock, false)                                                                               \
    X(bool, repeatAllowed, true)                                                                                       \
    X(std::string, scenarioTitle, "")                                                                                  \
    X(i32, frame, 0)                                                                                                   \
    X(i32, frameShocks, 0)                                                                                             \
    X(i32, frameAnalyses, 0)                                                                                           \
    X(bool, frameTroubleDone, false)                                                                                   \
    X(i32, frameStartMs, 0)

// Values of nextStep, the next correct step that Advice shows.
enum Step : u8 {
    StepCpr = 0,
    StepPulse = 1,
    StepResponsiveness = 2,
    StepAirway = 3,
    StepBreathing = 4,
    StepBreathingRate = 5,
    StepVentilation = 6,
    StepCirculation = 7,
    StepBloodPressure = 8,
    StepTopElectrode = 9,
    StepBottomElectrode = 10,
    StepReattachElectrode = 11,
    StepReplaceBattery = 12,
    StepStopMotion = 13,
    StepVoice = 14,
    StepClearBeforeAnalysis = 15,
    StepClearBeforeShock = 16,
    StepPower = 17,
    StepAnalyze = 18,
    StepShock = 19,
    StepEndScenario = 20,
    // The single-shock protocol's CPR period runs and the hands are on the chest.
    StepKeepCpr = 21,
};

// Where the single-shock protocol's CPR period stands: asked for by a shock or a "NO SHOCK
// ADVISED", counted down from "START CPR", ended by "STOP CPR"; an analysis closes it.
enum CprPeriodPhase : u8 { PeriodNone = 0, PeriodAnnounced = 1, PeriodRunning = 2, PeriodOver = 3 };

// Scenario kinds of the draw.
enum Kind : u8 { KindAdult = 0, KindChild = 1, KindUnderageChild = 2, KindHypothermic = 3, KindMoreShocks = 4 };
// Rhythm states.
enum Rhythm : u8 { RhythmShockable = 0, RhythmNoShock = 2, RhythmRestored = 3 };
// The trainee's actions as the recorder keeps them (lastAction, previousAction): what the rule
// checks and the next correct step decide on. MissedClear is the shock delivered without a clear.
enum class Action : u8 {
    None,
    Response,
    Airway,
    Breath,
    Ventilate,
    Pulse,
    BpCheck,
    Cpr,
    Power,
    Electrode1,
    Electrode2,
    Clear,
    Analyze,
    Shock,
    MissedClear,
    Voice,
};
// The action's name in the Steps list, the score log and scripts ("Analyze", "BP check",
// "MISSEDCLEAR"); empty for None. English: the window shows it translated.
const char* actionName(Action action);
// The action of a name actionName gives; false for any other text.
bool actionByName(const std::string& name, Action& action);

// Trouble events of an analysis.
enum Trouble : u8 { TroubleNone = 0, TroubleElectrode = 1, TroubleMotion = 2, TroubleBattery = 3 };

struct ScenarioState {
#define DEFIB_DECLARE_FIELD(type, name, start) type name = start;
    DEFIB_STATE_FIELDS(DEFIB_DECLARE_FIELD)
#undef DEFIB_DECLARE_FIELD

    // The reset of a scenario start: every field to its start value but the registration, the
    // patient of the draw and the exam scenario count. The rhythm goes back to the drawn one.
    void resetForStart();

    // How many of the five ABCs are done, and whether all are.
    int abcsChecked() const
    {
        return responsivenessChecked + airwayOpened + breathingChecked + ventilated + circulationChecked;
    }
    bool abcsDone() const
    {
        return abcsChecked() == 5;
    }
    // The body in use, 0 to 3 (an out-of-range draw counts as the first); body 3 is the child,
    // compressed with one hand and measured with the small cuff.
    u8 body() const
    {
        return patientBody < 4 ? patientBody : 0;
    }
    bool childBody() const
    {
        return patientBody == 3;
    }
};

// Both electrode pads are on the patient.
inline bool bothPadsAttached(const ScenarioState& st)
{
    return st.topPadAttached && st.bottomPadAttached;
}

// The step a pending trouble asks for, if one is pending.
inline bool troubleStep(const ScenarioState& st, u8& step)
{
    switch (st.pendingTrouble) {
    case TroubleElectrode:
        step = StepReattachElectrode;
        return true;
    case TroubleMotion:
        step = StepStopMotion;
        return true;
    case TroubleBattery:
        step = StepReplaceBattery;
        return true;
    default:
        return false;
    }
}

// The time of the first shock as the summary shows it (MM:SS), t seconds after the first 7.
std::string firstShockTimeText(int t);
// The shock time of the summary and the report line: the first shock's, "NO SHOCKS" once the
// records were written without one, empty before.
std::string shockTimesText(const ScenarioState& st);

const char* adviceText(u8 step);
const char* stepShortName(u8 step);

} // namespace defib
