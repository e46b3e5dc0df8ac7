#include <gtest/gtest.h>

#include "engine/scenarioclock.h"
#include "patient/abcs.h"
#include "patient/patient.h"
#include "trainee_fixture.h"

using namespace defib;
using defib::testing::q;
using defib::testing::Trainee;

TEST(AbcsButton, StaysShutWhileAStepAnimates)
{
    Trainee sim;
    Scenario& s = sim.s();
    EXPECT_TRUE(ABCsButtonClick(s));
    for (Timer* busy : {&defib::patient(s).timers.ResponsivenessTimer, &defib::patient(s).timers.Shaketimer,
                        &defib::patient(s).timers.BREATHINGTimer, &defib::patient(s).timers.VENTILATION1Timer,
                        &defib::patient(s).timers.HIDEBVMTimer, &defib::patient(s).timers.PULSETIMER}) {
        busy->start();
        EXPECT_FALSE(ABCsButtonClick(s)) << busy->name();
        busy->stop();
    }
    // The breath out alone does not keep the menu shut.
    defib::patient(s).timers.VENTILATION2Timer.start();
    EXPECT_TRUE(ABCsButtonClick(s));
}

TEST(Breathing, OnceTheScenarioIsOverOnlyTheFirstLineIsReplaced)
{
    Trainee sim;
    sim.run("set MainMSGDisplay \"old finding\\nScenario is over. Select END SCENARIO.\"");
    announceScenarioOver(sim.s());
    // Whichever moment of its blink the label is in.
    sim.run("set SCENOVERLabel.visible false\nset rhythmState 3\nset PULSEHAND.tag 1\nset breathingRate 12\n"
            "do ABCsBreathingMenuItemClick\nwait 2000");
    EXPECT_EQ(sim.value("MainMSGDisplay"), q("Respiratory rate is 12.\\nScenario is over. Select END SCENARIO."));
}

TEST(Breathing, TheRateCountedAfterThePulseReturnsIsAStepOfItsOwn)
{
    Trainee sim;
    sim.run("set nextStep 5\nset pulseRate 60\nset shockCount 1\ndo ABCsBreathingMenuItemClick");
    EXPECT_EQ(sim.value("score"), "70");
    EXPECT_EQ(sim.value("breathingRateChecked"), "true");
    Trainee early;
    early.run("set nextStep 5\nset shockCount 0\nset pulseRate 60\ndo ABCsBreathingMenuItemClick");
    EXPECT_EQ(early.value("breathingRateChecked"), "false");
}
