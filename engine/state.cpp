#include "engine/state.h"

#include "engine/measures.h"
#include "options/catalogue.h"

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
    {TX("Start CPR."), "CPR"},
    {TX("Check the patient's pulse."), "Pulse"},
    {TX("Check the patient's responsiveness (click ABCs)."), "Responsiveness"},
    {TX("Open the patient's airway (click ABCs)."), "Airway"},
    {TX("Check the patient's breathing (click ABCs)."), "Breathing"},
    {TX("Check the patient's breathing rate (click ABCs)."), "Breath Check after con"},
    {TX("Ventilate the patient (click ABCs)."), "Ventilation"},
    {TX("Check the patient's circulation (click ABCs)."), "Circulation"},
    {TX("Check the patient's blood pressure."), "Blood Pressure"},
    {TX("Attach the top electrode to the upper right torso, below the collarbone. Click and drag the electrode to "
        "attach it."),
     "Electrode1"},
    {TX("Attach the bottom electrode."), "Attach Red PAD"},
    {TX("Re-attach the electrode (click Troubleshoot)."), "Re-attach electrode"},
    {TX("Replace the battery (click Troubleshoot)."), "Replace battery"},
    {TX("Stop all motion of patient (click Troubleshoot)."), "Stop motion"},
    {TX("Give VOICE report (click Voice)."), "Voice"},
    {TX("Clear the patient."), "Clear A"},
    {TX("Clear the patient."), "Clear S"},
    {TX("Turn on the AED POWER."), "Power"},
    {TX("Press ANALYZE."), "Analyze"},
    {TX("Press SHOCK."), "Shock"},
    {TX("Select the END SCENARIO button."), "End Scenario"},
    {TX("Keep up CPR until the trainer says STOP CPR."), "Keep up CPR"},
};
} // namespace

namespace {
constexpr const char* actionNames[] = {
    "",
    TX("Response"),
    TX("Airway"),
    TX("Breath"),
    TX("Ventilate"),
    TX("Pulse"),
    TX("BP check"),
    TX("CPR"),
    TX("Power"),
    TX("Electrode1"),
    TX("Electrode2"),
    TX("Clear"),
    TX("Analyze"),
    TX("Shock"),
    "MISSEDCLEAR",
    TX("Voice"),
};
} // namespace

const char* actionName(Action action)
{
    const auto index = static_cast<std::size_t>(action);
    return index < std::size(actionNames) ? actionNames[index] : "";
}

bool actionByName(const std::string& name, Action& action)
{
    for (std::size_t i = 0; i < std::size(actionNames); ++i)
        if (name == actionNames[i]) {
            action = static_cast<Action>(i);
            return true;
        }
    return false;
}

std::string firstShockTimeText(int t)
{
    if (t < 10)
        return "00:0" + std::to_string(t);
    if (t < 60)
        return "00:" + std::to_string(t);
    const int minutes = t / 60;
    const int seconds = t % 60;
    // Ten minutes and more have two digits of their own.
    return (minutes < 10 ? "0" : "") + std::to_string(minutes) + (seconds < 10 ? ":0" : ":") + std::to_string(seconds);
}

std::string shockTimesText(const ScenarioState& st)
{
    if (st.recordedWithoutShock)
        return "NO SHOCKS";
    if (st.firstShockSecond < 0)
        return "";
    return firstShockTimeText(st.firstShockSecond - firstShockCountsFromSecond);
}

const char* adviceText(u8 step)
{
    return step < std::size(stepTexts) ? stepTexts[step].advice : "";
}

const char* stepShortName(u8 step)
{
    return step < std::size(stepTexts) ? stepTexts[step].shortName : "";
}

} // namespace defib
