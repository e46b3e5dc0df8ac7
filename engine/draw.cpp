#include "engine/draw.h"

#include <algorithm>

#include "engine/layout.h"
#include "engine/texts.h"

namespace defib {

static void place(Control& control, const Rect& offset)
{
    control.left = patientPicture.left + offset.left;
    control.top = patientPicture.top + offset.top;
    control.width = offset.width;
    control.height = offset.height;
}

void placeForBody(Scenario& s)
{
    MainWindow& ui = s.ui;
    const u8 body = s.state.body();
    Control* pictures[4] = {&ui.Patient1, &ui.Patient2, &ui.Patient3, &ui.Patient4};
    for (int i = 0; i < 4; ++i) {
        pictures[i]->visible = i == body;
        place(*pictures[i], {0, 0, patientPicture.width, patientPicture.height});
    }
    const BodyLayout& layout = bodyLayouts[body];
    place(ui.PADWhiteZone, layout.whiteZone);
    place(ui.PADRedZONE, layout.redZone);
    place(ui.PadSMALL, layout.padSmall);
    place(ui.PATIENTTorsoZONE, layout.torso);
    place(ui.CPRHAND, layout.cprHands);
    place(ui.CPRHAND2, layout.cprHands);
    place(ui.PULSEHAND, layout.pulseHand);
    place(ui.AIRWAY, layout.airway);
    place(ui.SHAKE, layout.shake);
    place(ui.BreathingCheck, layout.breathing);
    place(ui.BVM, layout.bvm);
    place(ui.BVMHAND, layout.bvmHand);
    place(ui.FACEMASK, layout.faceMask);
    place(ui.FACEMASKBLOW, layout.faceMaskBlow);
    place(ui.BPCUFF, layout.bpCuff);
    place(ui.BPCUFFSMALL, layout.bpCuff);
    // The shaking hands come back to their home position at every responsiveness check.
    s.shakeHomeLeft = ui.SHAKE.left;
    s.shakeHomeTop = ui.SHAKE.top;
    ui.SHOUT.width = 70;
    ui.SHOUT.height = 40;
    ui.CABLEWHITE.width = whiteCable.width;
    ui.CABLEWHITE.height = whiteCable.height;
    ui.CABLERED.width = redCable.width;
    ui.CABLERED.height = redCable.height;
}

static std::string ageText(Scenario& s)
{
    RandomSource& random = s.platform.random;
    ScenarioState& st = s.state;
    auto twoDigits = [&](int tens) { return std::to_string(tens * 10 + random.random(10)); };
    switch (st.patientBody) {
    case 0:
        return tx(s, "{1} y.o. male", {twoDigits(random.random(3) + 5)});
    case 1:
        return tx(s, "{1} y.o. male", {twoDigits(random.random(2) + 4)});
    case 2:
        return tx(s, "{1} y.o. female", {twoDigits(random.random(3) + 3)});
    default:
        break;
    }
    // The limit reads within its range (1 and up), and no patient is younger than a year or
    // lighter than a pound, however low the limit is set.
    const int limit = s.number(s.options.OptMinimumAge);
    if (s.option(s.options.Age)) {
        int age = st.scenarioKind == KindUnderageChild ? limit - 1 - random.random(2) : limit + random.random(7);
        return tx(s, "{1} y.o. male", {std::to_string(std::max(age, 1))});
    }
    int age = 0;
    int weight = 0;
    if (st.scenarioKind == KindUnderageChild) {
        age = random.random(4) + 4;
        weight = limit - 5 * (random.random(4) + 1);
    } else {
        age = random.random(4) + 6;
        weight = limit + 5 * (random.random(4) + 1);
    }
    return tx(s, "{1} y.o. male {2} pounds", {std::to_string(age), std::to_string(std::max(weight, 1))});
}

// The histories of a drawn patient, {1} the age (and weight) of the patient.
static const char* const adultHistories[] = {
    TX("Your patient is a {1} with a history of heart disease. Found collapsed."),
    TX("Your patient is a {1} who was found unconscious."),
    TX("Your patient is a {1} who collapsed and stopped breathing."),
    TX("Your patient is a {1} with an unknown medical history. Found unresponsive."),
    TX("Your patient is a {1} with a sudden onset of weakness--collapsed several minutes ago."),
    TX("Your patient is a {1} who was found unconscious by a co-worker."),
    TX("Your patient is a {1} who was feeling weak and nauseated. Collapsed 5 minutes ago."),
    TX("Your patient is a {1} who was found unresponsive."),
    TX("Your patient is a {1} with a history of heart disease. Found unconscious."),
    TX("Your patient is a {1} who was complaining of chest pain and suddenly collapsed."),
    TX("Your patient is a {1} with a history of angina, complained of severe abdominal pain before becoming "
       "unconscious."),
};

static const char* const childHistories[] = {
    TX("Your patient is a {1} involved in a drowning, underwater for 10 minutes. (non-hypothermic)"),
    TX("Your patient is a {1} found without a pulse, lying in bed."),
    TX("Your patient is a {1} who had taken an overdose of tricyclic antidepressants. Found comatose."),
    TX("Your patient is a {1} who has suffocated and is not breathing."),
};

// Step points by shocks to convert: without auto analysis, with it.
static const int stepPointTable[6][2] = {{45, 55}, {60, 70}, {50, 60}, {45, 55}, {35, 45}, {35, 45}};

int stepPointsFor(Scenario& s, int kind, int shocks)
{
    Options& o = s.options;
    const bool autoAnalyze = s.option(o.OPTAUTOANALYZE);
    int points = stepPointTable[shocks < 6 ? shocks : 5][autoAnalyze ? 1 : 0];
    if (kind == KindMoreShocks)
        points -= 10;
    if (s.option(o.OptVoice) && kind != KindMoreShocks)
        points -= 5;
    if (kind == KindUnderageChild)
        points = s.option(o.OPTPEDSMONITOR) ? 95 : 135;
    if (kind == KindHypothermic)
        points = autoAnalyze ? 55 : 45;
    return points;
}

void drawScenario(Scenario& s)
{
    RandomSource& random = s.platform.random;
    ScenarioState& st = s.state;
    Options& o = s.options;
    random.randomize();

    int kind = KindAdult;
    switch (random.random(8)) {
    case 4:
        kind = KindChild;
        break;
    case 5:
        kind = KindUnderageChild;
        break;
    case 6:
        kind = s.option(o.OptHypo) ? KindHypothermic : KindAdult;
        break;
    case 7:
        kind = KindMoreShocks;
        break;
    default:
        break;
    }
    if (kind == KindHypothermic && random.random(2) == 0)
        kind = KindAdult;
    int shocks = random.random(6);
    if (s.option(o.OPTOneShockScenario)) {
        kind = KindAdult;
        shocks = 1;
    }
    if (!st.practiceMode && s.option(o.THREESCENARIOTEST) && st.examScenarioNumber < 4) {
        if (kind == KindAdult && shocks != 0)
            shocks = random.random(3) + 1;
        else if (kind == KindMoreShocks)
            shocks = random.random(2) + 3;
    }
    if (kind == KindHypothermic)
        shocks = s.number(o.OptHypoShocks);
    if (kind == KindMoreShocks && shocks < 3)
        shocks = shocks == 1 ? 5 : 4;
    if (kind == KindUnderageChild)
        shocks = 0;
    st.scenarioKind = static_cast<u8>(kind);
    st.shocksToConvert = static_cast<u8>(shocks);
    st.rhythmState = st.shocksToConvert > 0 ? RhythmShockable : RhythmNoShock;

    st.patientBody = static_cast<u8>(random.random(3));
    if (kind == KindChild || kind == KindUnderageChild)
        st.patientBody = 3;

    st.stepPoints = static_cast<u8>(stepPointsFor(s, kind, st.shocksToConvert));
    st.scenarioTitle.clear();

    const std::string age = ageText(s);
    const char* history = nullptr;
    if (st.patientBody < 3)
        history = kind == KindHypothermic ? TX("Your patient is a {1} involved in drowning (hypothermic).")
                                          : adultHistories[random.random(11)];
    else
        history = childHistories[random.random(4)];
    st.patientHistory = tx(s, history, {age});

    placeForBody(s);
}

} // namespace defib
