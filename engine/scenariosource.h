#pragma once

#include <functional>
#include <memory>

#include "engine/scenariodata.h"

namespace defib {

class Scenario;

// What happens to the patient, asked by the handlers at the moments it may change: the draw of
// the patient, each analysis (is there a trouble now?), each verdict and each shock (does the
// rhythm change?), and after every handler and tick (has the time of a frame run out?). The drawn
// source draws as the trainer always has; the file source plays a scenario's frames.
class ScenarioSource {
public:
    virtual ~ScenarioSource() = default;
    // The patient of the next scenario: kind, shocks to convert, body, step points, history.
    virtual void drawPatient(Scenario& s) = 0;
    // A scenario starts, a new patient or the same again: the rhythm of its beginning.
    virtual void scenarioStarted(Scenario&) { }
    // An analysis has been pressed and may run: the trouble it meets, if any.
    virtual void analysisStarting(Scenario& s) = 0;
    // An analysis gave its verdict.
    virtual void verdictGiven(Scenario& s) = 0;
    // A shock has been delivered and counted on the display.
    virtual void shockDelivered(Scenario& s) = 0;
    // After every handler and timer tick.
    virtual void follow(Scenario&) { }
    // Moves a scenario of frames on to its next frame; false when there is none.
    virtual bool nextFrame(Scenario&) { return false; }
    // The scenario played, none for a drawn patient.
    virtual const ScenarioSpec* plan() const { return nullptr; }
};

// Makes the source of the next scenario: the drawn one without a plan.
using ScenarioSourceMaker = std::function<std::unique_ptr<ScenarioSource>(std::shared_ptr<const ScenarioSpec>)>;

} // namespace defib
