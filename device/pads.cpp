#include "device/pads.h"

#include <tuple>

#include "device/device.h"
#include "device/display.h"
#include "engine/layout.h"
#include "engine/recorder.h"
#include "engine/score.h"
#include "engine/texts.h"

namespace defib {

namespace {

bool isWhite(const Scenario& s, const Control& pad)
{
    return &pad == &s.ui.PADWHITE;
}

PadState& padState(Scenario& s, const Control& pad)
{
    DeviceState& dev = device(s).state;
    return isWhite(s, pad) ? dev.white : dev.red;
}

// The pad being dragged; the white one is asked first.
Control* draggedPad(Scenario& s)
{
    const DeviceState& dev = device(s).state;
    if (dev.white.dragged)
        return &s.ui.PADWHITE;
    if (dev.red.dragged)
        return &s.ui.PADRED;
    return nullptr;
}

bool& attachedFlag(Scenario& s, const Control& pad)
{
    return isWhite(s, pad) ? s.state.topPadAttached : s.state.bottomPadAttached;
}

Control& pictureInUse(Scenario& s)
{
    Control* pictures[4] = {&s.ui.Patient1, &s.ui.Patient2, &s.ui.Patient3, &s.ui.Patient4};
    return *pictures[s.state.body()];
}

// A zone holds one pad from the first pad let go there (its cable is drawn from then on), a pad come
// loose in an electrode trouble included.
bool upperZoneFree(Scenario& s)
{
    return !device(s).state.upperZoneTaken;
}

bool sideZoneFree(Scenario& s)
{
    return !device(s).state.sideZoneTaken;
}

// A child under the minimum age or weight gets no AED unless the protocol lets it monitor one.
bool refuseUnderageChild(Scenario& s)
{
    if (s.state.scenarioKind != KindUnderageChild || s.option(s.options.OPTPEDSMONITOR))
        return false;
    // With neither limit chosen the attempt is held against the weight limit.
    penalizeUnderLimit(s, s.option(s.options.Age), UnderLimitAttempt::Electrodes);
    return true;
}

void startDrag(Scenario& s, Control& pad, Action action)
{
    // A pad in place, one already carried or lying at the side zone, or any pad while the controls
    // are locked cannot be picked up.
    ScenarioState& st = s.state;
    const PadState& place = padState(s, pad);
    if (st.controlsLocked || attachedFlag(s, pad) || place.dragged || place.atSide)
        return;
    if (refuseUnderageChild(s)) {
        padState(s, pad).dragged = false;
        return;
    }
    // Once: not again after this, and not at all once CPR has begun.
    if (!st.abcsDone() && !st.handsOnStarted) {
        penalize(s, 300, TX("Did not complete ABCs before attaching AED (-300)."),
                 TX("Did not complete ABCs before attaching AED (-300)."));
        st.handsOnStarted = true;
    }
    pad.visible = false;
    st.lastAction = action;
    padState(s, pad).dragged = true;
}

void endDrag(Scenario& s, Control& pad)
{
    // Dropped or cancelled, the drag is over: a stale mark would make the next drop of the other
    // pad place this one.
    padState(s, pad).dragged = false;
    if (!padState(s, pad).atSide)
        pad.visible = true;
}

void attach(Scenario& s, Control& pad)
{
    padState(s, pad).dragged = false;
    padState(s, pad).onTorso = false;
    pad.enabled = false;
    attachedFlag(s, pad) = true;
}

// Scored and recorded once the pad is on, so that the next step already counts it.
void padPlaced(Scenario& s)
{
    ScenarioState& st = s.state;
    addScore(s, st.stepPoints);
    showScore(s);
    recordAction(s);
    if (!bothPadsAttached(st)) {
        s.ui.MainMSGDisplay.setText(tx(s, attachOtherElectrode));
        return;
    }
    s.ui.PATIENTTorsoZONE.enabled = false;
    s.ui.MainMSGDisplay.clear();
    setScreen(s, Screen::Blank);
    // A device whose light is on asks for the analysis.
    if (device(s).state.powerLight) {
        startStep(device(s).timers.PUSHANALYZETimer, device(s).steps.pushAnalyze, PushAnalyzeStep::AfterSetup);
        if (st.analyzeDuringTrouble)
            st.nextStep = StepClearBeforeAnalysis;
    }
}

} // namespace

bool padCarried(Scenario& s, const Control& pad)
{
    return padState(s, pad).dragged;
}

void showPadPlaces(Scenario& s)
{
    MainWindow& ui = s.ui;
    const DeviceState& dev = device(s).state;
    const bool carried = dev.white.dragged || dev.red.dragged;
    ui.PADWhiteZone.checked = carried && upperZoneFree(s);
    ui.PADRedZONE.checked = carried && sideZoneFree(s);
    for (auto [pad, mark, state] : {std::tuple{&ui.PADWHITE, &ui.PADWHITEMisplaced, &dev.white},
                                    std::tuple{&ui.PADRED, &ui.PADREDMisplaced, &dev.red}}) {
        // A pad is in view unless it is carried or stands at the side zone (PadSMALL shows it there).
        mark->visible = state->onTorso && !state->dragged && !state->atSide;
        mark->left = pad->left;
        mark->top = pad->top;
        mark->width = pad->width;
        mark->height = pad->height;
    }
}

std::string wherePadBelongs(Scenario& s, const Control& pad)
{
    if (!upperZoneFree(s) && !sideZoneFree(s))
        return {};
    const bool white = isWhite(s, pad);
    // Its own zone while that is free, the other one otherwise.
    const bool upper = white ? upperZoneFree(s) : !sideZoneFree(s);
    if (white)
        return upper ? tx(s, "The white electrode belongs on the upper right chest, below the collarbone.")
                     : tx(s, "The white electrode belongs on the patient's left side, below the armpit.");
    return upper ? tx(s, "The red electrode belongs on the upper right chest, below the collarbone.")
                 : tx(s, "The red electrode belongs on the patient's left side, below the armpit.");
}

void penalizeUnderLimit(Scenario& s, bool byAge, UnderLimitAttempt attempt)
{
    const bool analysis = attempt == UnderLimitAttempt::Analysis;
    const char* message = byAge
        ? (analysis ? TX("Patient is under the minimum age requirement ({1} years). DO NOT analyze (-300).")
                    : TX("Patient is under the minimum age requirement ({1} years). DO NOT attach electrodes (-300)."))
        : (analysis ? TX("Patient is under the minimum weight requirement ({1} pounds). DO NOT analyze (-300).")
                    : TX("Patient is under the minimum weight requirement ({1} pounds). DO NOT attach electrodes "
                         "(-300)."));
    const char* record = byAge
        ? (analysis ? TX("Analyzed rhythm of patient under minimum age (-300).")
                    : TX("Attempted to attach electrode to patient under minimum age (-300)."))
        : (analysis ? TX("Analyzed rhythm of patient under minimum weight (-300).")
                    : TX("Attempted to attach electrode to patient under minimum weight (-300)."));
    penalize(s, 300, message, record, {s.options.OptMinimumAge.text()});
    // The evaluation withholds the pediatric bonus from an attempt on either limit.
    s.state.underageAttempted = true;
}

bool* padAtSide(Scenario& s)
{
    const DeviceState& dev = device(s).state;
    if (dev.red.atSide)
        return &s.state.bottomPadAttached;
    if (dev.white.atSide)
        return &s.state.topPadAttached;
    return nullptr;
}

void PADWHITEStartDrag(Scenario& s)
{
    startDrag(s, s.ui.PADWHITE, Action::Electrode1);
}

void PADREDStartDrag(Scenario& s)
{
    startDrag(s, s.ui.PADRED, Action::Electrode2);
}

void PADWHITEEndDrag(Scenario& s)
{
    endDrag(s, s.ui.PADWHITE);
}

void PADREDEndDrag(Scenario& s)
{
    endDrag(s, s.ui.PADRED);
}

void PADWhiteZoneDragDrop(Scenario& s)
{
    MainWindow& ui = s.ui;
    Control* pad = draggedPad(s);
    // A zone holds one pad; a refused drag brings none.
    if (!upperZoneFree(s) || !pad)
        return;
    const PadFit& fit = padFits[s.state.body()];
    const Control& picture = pictureInUse(s);
    pad->width = isWhite(s, *pad) ? fit.whiteWidth : fit.redWidth;
    pad->height = isWhite(s, *pad) ? fit.whiteHeight : fit.redHeight;
    pad->left = picture.left + fit.left;
    pad->top = picture.top + fit.top;
    pad->visible = true;
    ui.CABLEWHITE.top = pad->top + pad->height - 6;
    ui.CABLEWHITE.left = pad->left + pad->width / 2 - 2;
    device(s).state.upperZoneTaken = true;
    ui.CABLEWHITE.visible = true;
    padState(s, *pad).atSide = false;
    attach(s, *pad);
    padPlaced(s);
}

void PADRedZONEDragDrop(Scenario& s)
{
    MainWindow& ui = s.ui;
    Control* pad = draggedPad(s);
    if (!sideZoneFree(s) || !pad)
        return;
    // At the side the pad is seen edge-on: PadSMALL stands for it.
    ui.CABLERED.top = ui.PadSMALL.top + ui.PadSMALL.height / 2 + 3;
    ui.CABLERED.left = ui.PadSMALL.left - 5;
    device(s).state.sideZoneTaken = true;
    ui.CABLERED.visible = true;
    padState(s, *pad).atSide = true;
    pad->visible = false;
    ui.PadSMALL.visible = true;
    attach(s, *pad);
    padPlaced(s);
}

void PATIENTTorsoZONEDragDrop(Scenario& s)
{
    Control* pad = draggedPad(s);
    // The torso takes no pad while the controls are locked. (Nor once both pads are on, but then no
    // pad can be carried.)
    if (s.state.controlsLocked || !pad)
        return;
    ScenarioState& st = s.state;
    const bool over = scenarioOver(s);
    penalize(s, 100, incorrectLocation, TX("Incorrect electrode placement (-100)."));
    // Below the penalty, where the pad goes instead.
    if (const std::string where = wherePadBelongs(s, *pad); !over && !where.empty())
        s.ui.MainMSGDisplay.addLine(where);
    st.dropPointX = s.dropX;
    st.dropPointY = s.dropY;
    // Left where it was let go, marked as misplaced, and free to be dragged again.
    pad->left = st.dropPointX;
    pad->top = st.dropPointY;
    pad->visible = true;
    padState(s, *pad).dragged = false;
    padState(s, *pad).onTorso = true;
}

void PADRedZONEMouseDown(Scenario& s)
{
    if (s.state.pendingTrouble == TroubleElectrode)
        TroubleElectrodeMenuItemClick(s);
}

void CABLEREDMouseDown(Scenario& s)
{
    if (s.state.pendingTrouble == TroubleElectrode)
        TroubleElectrodeMenuItemClick(s);
}

void registerPadHandlers(Scenario& s, Handlers& h)
{
    // After each of them the window's view of the pads' places follows the records.
    auto placing = [&s](void (*handler)(Scenario&)) {
        return [&s, handler] {
            handler(s);
            showPadPlaces(s);
        };
    };
    h["PADWHITEStartDrag"] = placing(PADWHITEStartDrag);
    h["PADWHITEEndDrag"] = placing(PADWHITEEndDrag);
    h["PADREDStartDrag"] = placing(PADREDStartDrag);
    h["PADREDEndDrag"] = placing(PADREDEndDrag);
    h["PADWhiteZoneDragDrop"] = placing(PADWhiteZoneDragDrop);
    h["PADRedZONEDragDrop"] = placing(PADRedZONEDragDrop);
    h["PATIENTTorsoZONEDragDrop"] = placing(PATIENTTorsoZONEDragDrop);
    h["PADRedZONEMouseDown"] = [&s] { PADRedZONEMouseDown(s); };
    h["CABLEREDMouseDown"] = [&s] { CABLEREDMouseDown(s); };
}

} // namespace defib
