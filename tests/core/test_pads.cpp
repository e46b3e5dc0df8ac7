#include <gtest/gtest.h>

#include "engine/layout.h"
#include "trainee_fixture.h"

using namespace defib;
using defib::testing::q;
using defib::testing::Trainee;

namespace {
// A scenario with the ABCs done, so that placing the pads costs nothing.
struct Assessed : Trainee {
    explicit Assessed(const std::string& draws = defib::testing::adultOneShock, const std::string& options = "")
        : Trainee(draws, options)
    {
        run("set responsivenessChecked true\nset airwayOpened true\nset breathingChecked true\nset ventilated true\n"
            "set circulationChecked true\nset cprPerformed true");
    }
};

struct BodyDraw {
    const char* draws;
    int body;
};
const BodyDraw bodies[] = {{"0 1 0 0 0 0", 0}, {"0 1 1 0 0 0", 1}, {"0 1 2 0 0 0", 2}, {"4 1 0 0 0", 3}};
} // namespace

TEST(PadGeometry, EitherPadAtEitherZoneOfEveryBody)
{
    for (const BodyDraw& draw : bodies) {
        for (bool white : {true, false}) {
            const std::string pad = white ? "PADWHITE" : "PADRED";
            const std::string where = pad + " on body " + std::to_string(draw.body);
            const PadFit& fit = padFits[draw.body];
            const int left = patientPicture.left + fit.left;
            const int top = patientPicture.top + fit.top;
            const int width = white ? fit.whiteWidth : fit.redWidth;
            const int height = white ? fit.whiteHeight : fit.redHeight;
            Assessed upper(draw.draws);
            ASSERT_EQ(upper.value("patientBody"), std::to_string(draw.body));
            upper.run("drag " + pad + " PADWhiteZone");
            EXPECT_EQ(upper.number(pad + ".left"), left) << where;
            EXPECT_EQ(upper.number(pad + ".top"), top) << where;
            EXPECT_EQ(upper.number(pad + ".width"), width) << where;
            EXPECT_EQ(upper.number(pad + ".height"), height) << where;
            EXPECT_EQ(upper.number("CABLEWHITE.top"), top + height - 6) << where;
            EXPECT_EQ(upper.number("CABLEWHITE.left"), left + width / 2 - 2) << where;
            EXPECT_EQ(upper.value(white ? "topPadAttached" : "bottomPadAttached"), "true") << where;

            const Rect& small = bodyLayouts[draw.body].padSmall;
            Assessed side(draw.draws);
            side.run("drag " + pad + " PADRedZONE");
            EXPECT_EQ(side.value(pad + ".visible"), "false") << where;
            EXPECT_EQ(side.value("PadSMALL.visible"), "true") << where;
            EXPECT_EQ(side.number("CABLERED.top"), patientPicture.top + small.top + small.height / 2 + 3) << where;
            EXPECT_EQ(side.number("CABLERED.left"), patientPicture.left + small.left - 5) << where;
            // The pad's own cable marks that it lies at the side.
            EXPECT_EQ(side.value(white ? "CABLEWHITE.tag" : "CABLERED.tag"), "1") << where;
            EXPECT_EQ(side.value(white ? "topPadAttached" : "bottomPadAttached"), "true") << where;
        }
    }
}

TEST(PadDrag, ACancelledDragLeavesNoMarkBehind)
{
    Assessed sim;
    sim.run("drag PADWHITE none");
    EXPECT_EQ(sim.value("PADWHITE.tag"), "0");
    EXPECT_EQ(sim.value("PADWHITE.visible"), "true");
    // The next drop places the pad that is dragged, not the one let go before.
    sim.run("drag PADRED PADRedZONE");
    EXPECT_EQ(sim.value("bottomPadAttached"), "true");
    EXPECT_EQ(sim.value("topPadAttached"), "false");
    EXPECT_EQ(sim.value("PADWHITE.visible"), "true");
}

TEST(PadDrag, LockedOrHiddenPadsCannotBePickedUp)
{
    defib::testing::Sim locked;
    locked.run("register Pat \"\" practice\nrandom 0 1 0 0 0 0\nnew\ndrag PADWHITE PADWhiteZone");
    EXPECT_EQ(locked.value("topPadAttached"), "false");
    Assessed hidden;
    // The red pad lying loose at the side during an electrode trouble.
    hidden.run("set PADRED.visible false\nset CABLERED.tag 1\ndrag PADRED PATIENTTorsoZONE");
    EXPECT_EQ(hidden.value("score"), "0");
    EXPECT_EQ(hidden.value("PADRED.visible"), "false");
}

TEST(PadDrag, AZoneTakenStaysTakenWhateverItsCableShows)
{
    Assessed sim;
    sim.run("drag PADWHITE PADWhiteZone\nset CABLEWHITE.visible false\ndrag PADRED PADWhiteZone");
    EXPECT_EQ(sim.value("bottomPadAttached"), "false");
    EXPECT_EQ(sim.value("PADREDMisplaced.visible"), "false");
    // A pad carried while the controls are locked is taken by no zone and not by the torso.
    sim.run("do PauseClick\nset PADRED.enabled true\ndrag PADRED PATIENTTorsoZONE");
    EXPECT_EQ(sim.value("score"), "70");
    EXPECT_EQ(sim.value("PADREDMisplaced.visible"), "false");
}

TEST(PadDrag, NoAbcsPenaltyOnceCprHasBegun)
{
    Trainee sim;
    sim.run("set handsOnStarted true\ndrag PADWHITE PADWhiteZone");
    EXPECT_EQ(sim.value("score"), "70");
    EXPECT_EQ(sim.value("Errors"), q(""));
}

TEST(PadDrag, AMonitoredChildUnderTheLimitTakesThePads)
{
    Assessed sim(defib::testing::underageChild, "option OPTPEDSMONITOR T\n");
    sim.run("drag PADWHITE PADWhiteZone");
    EXPECT_EQ(sim.value("topPadAttached"), "true");
    EXPECT_EQ(sim.value("score"), "95");
    EXPECT_EQ(sim.value("Patient4.tag"), "0");
}

TEST(LooseElectrode, APressOnTheZoneOrCableActsOnlyDuringAnElectrodeTrouble)
{
    Assessed sim;
    sim.run("drag PADWHITE PADWhiteZone\ndrag PADRED PADRedZONE\ndo PADRedZONEMouseDown\ndo CABLEREDMouseDown");
    EXPECT_EQ(sim.value("score"), "140");
    for (const char* press : {"PADRedZONEMouseDown", "CABLEREDMouseDown"}) {
        sim.run(std::string("set pendingTrouble 1\nset bottomPadAttached false\ndo ") + press);
        EXPECT_EQ(sim.value("pendingTrouble"), "0") << press;
        EXPECT_EQ(sim.value("bottomPadAttached"), "true") << press;
    }
}

// While a pad is carried, every zone that would take it is lit; a zone that holds a pad is not.
TEST(PadPlaces, TheFreeZonesAreOfferedForTheWholeDrag)
{
    Assessed sim;
    EXPECT_EQ(sim.value("PADWhiteZone.checked"), "false");
    sim.run("do PADWHITEStartDrag");
    EXPECT_EQ(sim.value("PADWhiteZone.checked"), "true");
    EXPECT_EQ(sim.value("PADRedZONE.checked"), "true");
    sim.run("do PADWhiteZoneDragDrop\ndo PADWHITEEndDrag");
    EXPECT_EQ(sim.value("PADWhiteZone.checked"), "false");
    EXPECT_EQ(sim.value("PADRedZONE.checked"), "false");
    sim.run("do PADREDStartDrag");
    EXPECT_EQ(sim.value("PADWhiteZone.checked"), "false");
    EXPECT_EQ(sim.value("PADRedZONE.checked"), "true");
    // Let go anywhere else, the drag is over and nothing is lit.
    sim.run("do PADREDEndDrag");
    EXPECT_EQ(sim.value("PADRedZONE.checked"), "false");
}

// A pad let go on the chest outside the zones stays where it was dropped, marked, and the message
// says where it belongs; the score is as before. A zone that takes it later removes the mark.
TEST(PadPlaces, APadInAWrongPlaceIsMarkedAndToldWhereItBelongs)
{
    Assessed sim;
    sim.run("drag PADWHITE PATIENTTorsoZONE");
    EXPECT_EQ(sim.value("score"), "-100");
    EXPECT_EQ(sim.value("MainMSGDisplay"),
              q("Incorrect location. Try again (-100).\\nThe white electrode belongs on the "
                "upper right chest, below the collarbone."));
    EXPECT_EQ(sim.value("Errors"), q("Incorrect electrode placement (-100)."));
    EXPECT_EQ(sim.value("PADWHITEMisplaced.visible"), "true");
    EXPECT_EQ(sim.number("PADWHITEMisplaced.left"), sim.number("PADWHITE.left"));
    EXPECT_EQ(sim.number("PADWHITEMisplaced.top"), sim.number("PADWHITE.top"));
    EXPECT_EQ(sim.number("PADWHITEMisplaced.width"), sim.number("PADWHITE.width"));
    EXPECT_EQ(sim.value("PADWHITEMisplaced.enabled"), "false");
    EXPECT_EQ(sim.value("PADREDMisplaced.visible"), "false");
    // Picked up again, the mark goes with the pad; let go nowhere, it comes back with the pad.
    sim.run("do PADWHITEStartDrag");
    EXPECT_EQ(sim.value("PADWHITEMisplaced.visible"), "false");
    sim.run("do PADWHITEEndDrag");
    EXPECT_EQ(sim.value("PADWHITEMisplaced.visible"), "true");
    sim.run("drag PADWHITE PADWhiteZone");
    EXPECT_EQ(sim.value("PADWHITEMisplaced.visible"), "false");
    EXPECT_EQ(sim.value("topPadAttached"), "true");
}

TEST(PadPlaces, WithItsOwnZoneTakenAPadBelongsInTheOther)
{
    Assessed sim;
    sim.run("drag PADRED PADWhiteZone\ndrag PADWHITE PATIENTTorsoZONE");
    EXPECT_EQ(sim.value("MainMSGDisplay"),
              q("Incorrect location. Try again (-100).\\nThe white electrode belongs on the patient's left side, below "
                "the armpit."));
    Assessed red;
    red.run("drag PADRED PATIENTTorsoZONE");
    EXPECT_EQ(red.value("MainMSGDisplay"),
              q("Incorrect location. Try again (-100).\\nThe red electrode belongs on the patient's left side, below "
                "the armpit."));
}

TEST(PadPlaces, ANewScenarioClearsTheMarks)
{
    Assessed sim;
    sim.run("drag PADWHITE PATIENTTorsoZONE\ndo PADREDStartDrag");
    EXPECT_EQ(sim.value("PADWHITEMisplaced.visible"), "true");
    sim.run("repeat");
    EXPECT_EQ(sim.value("PADWHITEMisplaced.visible"), "false");
    EXPECT_EQ(sim.value("PADWhiteZone.checked"), "false");
    EXPECT_EQ(sim.value("PADRedZONE.checked"), "false");
}
