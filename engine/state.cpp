#include "engine/state.h"

#include <iterator>

namespace defib {

void ScenarioState::resetForStart()
{
    ScenarioState kept = *this;
    *this = ScenarioState{};
    userName = kept.userName;
    userIdNumber = kept.userIdNumber;
    registrationDate = kept.registrationDate;
    practiceMode = kept.practiceMode;
    examScenarioNumber = kept.examScenarioNumber;
    scenarioKind = kept.scenarioKind;
    shocksToConvert = kept.shocksToConvert;
    patientBody = kept.patientBody;
    stepPoints = kept.stepPoints;
    patientHistory = kept.patientHistory;
    scenarioTitle = kept.scenarioTitle;
    rhythmState = shocksToConvert > 0 ? RhythmShockable : RhythmNoShock;
}

namespace {
struct StepTexts {
    const char* advice;
    const char* shortName;
};
constexpr StepTexts stepTexts[] = {
    {"Start CPR.", "CPR"},
    {"Check the patient's pulse.", "Pulse"},
    {"Check the patient's responsiveness (click ABCs).", "Responsiveness"},
    {"Open the patient's airway (click ABCs).", "Airway"},
    {"Check the patient's breathing (click ABCs).", "Breathing"},
    {"Check the patient's breathing rate (click ABCs).", "Breath Check after con"},
    {"Ventilate the patient (click ABCs).", "Ventilation"},
    {"Check the patient's circulation (click ABCs).", "Circulation"},
    {"Check the patient's blood pressure.", "Blood Pressure"},
    {"Attach the top electrode to the upper right torso, below the collarbone. Click and drag the electrode to "
     "attach it.",
     "Electrode1"},
    {"Attach the bottom electrode.", "Attach Red PAD"},
    {"Re-attach the electrode (click Troubleshoot).", "Re-attach electrode"},
    {"Replace the battery (click Troubleshoot).", "Replace battery"},
    {"Stop all motion of patient (click Troubleshoot).", "Stop motion"},
    {"Give VOICE report (click Voice).", "Voice"},
    {"Clear the patient.", "Clear A"},
    {"Clear the patient.", "Clear S"},
    {"Turn on the AED POWER.", "Power"},
    {"Press ANALYZE.", "Analyze"},
    {"Press SHOCK.", "Shock"},
    {"Select the END SCENARIO button.", "End Scenario"},
    {"Keep up CPR until the trainer says STOP CPR.", "Keep up CPR"},
};
} // namespace

const char* adviceText(u8 step)
{
    return step < std::size(stepTexts) ? stepTexts[step].advice : "";
}

const char* stepShortName(u8 step)
{
    return step < std::size(stepTexts) ? stepTexts[step].shortName : "";
}

} // namespace defib
