// What the trainee is told besides the messages: the score log, the device's words as a caption,
// and a sound output that cannot play.
#include "core/device_fixture.h"
#include "device/display.h"
#include "device/shock.h"
#include "device/trainer.h"
#include "engine/flow.h"
#include "fakes/platformfakes.h"

namespace defib::testing {
namespace {

using Feedback = DeviceTest;

std::vector<std::string> logLines(const Scenario& s)
{
    std::vector<std::string> lines;
    for (const ScoreChange& change : s.scoreLog)
        lines.push_back(std::to_string(change.second) + "s " + std::to_string(change.at.count()) + "ms "
                        + std::to_string(change.points) + " " + change.reason);
    return lines;
}

TEST_F(Feedback, TheScoreLogKeepsEveryChangeWithItsReasonAndTime)
{
    // Step points for Analyze, then a shock not given: the disarm costs 200; advice costs 50.
    run("set nextStep 18\nset patientCleared true\nset elapsedSeconds 40\ndo AnalyzeButtonClick\nwait 34000\n"
        "do AdviceClick");
    EXPECT_EQ(logLines(s()),
              (Lines{"40s 0ms 10 Analyze", "74s 34000ms -200 Did not shock after Shock Advised (-200).",
                     "74s 34000ms -50 Advice used (-50)."}));
    // Every change of the score is in the log.
    int sum = 0;
    for (const ScoreChange& change : s().scoreLog)
        sum += change.points;
    EXPECT_EQ(value("score"), std::to_string(sum));
    // A new scenario starts with an empty log.
    run("new");
    EXPECT_TRUE(s().scoreLog.empty());
}

TEST_F(Feedback, BonusesAndFinalPenaltiesAreLoggedWithTheirOwnTexts)
{
    armForShock();
    run("set elapsedSeconds 40\nset patientCleared true\ndo SHOCKButtonClick");
    ASSERT_FALSE(s().scoreLog.empty());
    EXPECT_EQ(s().scoreLog.back().points, 50);
    EXPECT_EQ(s().scoreLog.back().reason, "BONUS: 50 points - first shock under 45 sec (00:33).");
    run("set elapsedSeconds 41\ndo EndButtonClick");
    bool finalPenaltyLogged = false;
    for (const ScoreChange& change : s().scoreLog)
        finalPenaltyLogged = finalPenaltyLogged || (change.second == 41 && change.points < 0 && !change.reason.empty());
    EXPECT_TRUE(finalPenaltyLogged);
}

TEST_F(Feedback, TheCaptionFollowsThePromptsWithOrWithoutAudio)
{
    for (const char* audio : {"T", "F"}) {
        fresh();
        run(std::string("option SOUNDCheckBox ") + audio
            + "\nset patientCleared true\ndo AnalyzeButtonClick\nwait 500");
        EXPECT_EQ(s().caption, "[beep] Stand clear.") << audio;
        wait(9000);
        EXPECT_EQ(s().caption, "Shock advised.") << audio;
        wait(3000);
        EXPECT_EQ(s().caption, "[charging tone]") << audio;
        // A press while charging changes nothing but the caption.
        run("do SHOCKButtonClick");
        EXPECT_EQ(s().caption, chargingCaption) << audio;
        EXPECT_EQ(value("score"), "0") << audio;
        EXPECT_EQ(value("shockCount"), "0") << audio;
        EXPECT_FALSE(armed(s())) << audio;
        wait(8500);
        EXPECT_EQ(s().caption, "[warning tones] Push to shock.") << audio;
        EXPECT_TRUE(armed(s())) << audio;
    }
}

TEST_F(Feedback, PauseHoldsTheChargeChainAndTheDisarmEndsIt)
{
    fresh();
    run("set patientCleared true\ndo AnalyzeButtonClick\nwait 9500");
    EXPECT_TRUE(charging(s()));
    EXPECT_TRUE(s().device->charging());
    run("do PauseClick");
    EXPECT_TRUE(charging(s()));
    EXPECT_FALSE(s().device->charging());
    run("do PauseClick\nwait 12000");
    EXPECT_TRUE(armed(s()));
    EXPECT_TRUE(s().device->charging());
    // 13 s after the first "PUSH TO SHOCK" the trainer disarms.
    wait(14000);
    EXPECT_FALSE(armed(s()));
    EXPECT_FALSE(s().device->charging());
}

TEST(PromptCaption, EveryPromptFileHasItsWords)
{
    const char* files[]
        = {"connecte.wav", "connectE.wav", "pushanal.wav", "pushanaB.wav", "bepclear.wav", "analyzeN.wav",
           "motion.wav",   "MOTION.WAV",   "shockadv.wav", "noshockA.wav", "SWEEP.wav",    "standcle.wav",
           "shkwarn.wav",  "click.wav",    "CLICK.WAV",    "checkfor.wav", "ifnopls.wav",  "ifnoplsS.wav",
           "battrepl.wav", "shockdel.wav", "startcpr.wav", "stopcpr.wav"};
    for (const char* file : files)
        EXPECT_FALSE(promptCaption(file).empty()) << file;
    EXPECT_EQ(promptCaption("analyzeN.wav"), "Analyzing now. Stand clear.");
    EXPECT_EQ(promptCaption("ifnoplsS.wav"), "If no pulse, start CPR.");
    EXPECT_EQ(promptCaption("nothing.wav"), "");
}

class CountingDialogs : public Dialogs {
public:
    void message(const std::string& text, MessageKind) override { messages.push_back(text); }
    bool confirm(const std::string&) override { return true; }
    bool ask(const std::string&, std::string&) override { return false; }
    std::vector<std::string> messages;
};

TEST(SoundOutput, AFailingOutputIsToldOnceAndTheTrainerGoesOnSilently)
{
    TempDir dir;
    dir.write("MOTION.WAV", "RIFF");
    LinearRandom random(3);
    // A sound output that refuses every prompt, as a machine without a sound device.
    fakes::RecordingSound sound;
    sound.dead = true;
    CountingDialogs dialogs;
    fakes::FixedWallClock wallClock;
    VirtualClock clock;
    Platform platform{random, sound, dialogs, wallClock};
    Trainer trainer(platform, clock);
    Scenario& s = trainer.scenario();
    clock.attach(s.scheduler);
    s.options.programDirectory = dir.path();
    startProgram(s);
    ASSERT_TRUE(s.option(s.options.SOUNDCheckBox));
    s.options.setText(s.options.OptTroubleOdds, "0");
    s.options.setChecked(s.options.OPTOneShockScenario, true);
    s.options.optionsDirty = false;
    ASSERT_TRUE(registerUser(s, "Pat", "", false));
    startNewScenario(s);
    trainer.run("MainMSGDisplayClick");
    trainer.run("PowerButtonClick");
    clock.advance(Millis(2200));
    // "CONNECT ELECTRODES": the first prompt finds the output dead.
    EXPECT_EQ(sound.played.size(), 1u);
    EXPECT_EQ(dialogs.messages, (std::vector<std::string>{soundOutputFailedText}));
    EXPECT_EQ(s.caption, "Connect electrodes.");
    EXPECT_TRUE(s.soundOutputFailed);
    EXPECT_FALSE(s.audioOn());
    // The option stays as the user set it, so no option file learns of the dead output.
    EXPECT_TRUE(s.option(s.options.SOUNDCheckBox));
    EXPECT_FALSE(s.options.optionsDirty);

    // The rest of the run is silent: the stand-in texts tell the trainee what the prompts would.
    s.state.topPadAttached = s.state.bottomPadAttached = true;
    s.state.patientCleared = true;
    trainer.run("AnalyzeButtonClick");
    clock.advance(Millis(12600));
    EXPECT_EQ(s.ui.MainMSGDisplay.text(), "AED is charging...");
    clock.advance(Millis(8500));
    EXPECT_EQ(s.ui.MainMSGDisplay.text(), "AED is ready to SHOCK...");
    EXPECT_EQ(sound.played.size(), 1u);
    EXPECT_EQ(dialogs.messages.size(), 1u);
    // A new scenario in the same run stays silent too.
    startNewScenario(s);
    EXPECT_FALSE(s.audioOn());
}

// After a shock converts the rhythm, a timely pulse check leads on to the breathing rate, which
// earns its points.
TEST_F(Feedback, APulseCheckOnARestoredPatientLeadsToTheBreathingRate)
{
    run("set analyzeCount 2\nset analysesCompleted 2\nset shockCount 1\nset shocksInSeries 1\nset rhythmState 3\n"
        "set lastAction Shock\nset previousAction Clear\nset nextStep 1");
    run("do PulseButtonClick");
    EXPECT_EQ(value("score"), "10");
    EXPECT_EQ(value("pulseCheckedAfterShock"), "true");
    EXPECT_EQ(value("nextStep"), "5");
    run("wait 3000\ndo ABCsBreathingMenuItemClick");
    EXPECT_EQ(value("score"), "20");
    EXPECT_EQ(value("breathingRateChecked"), "true");
    EXPECT_NE(value("nextStep"), "5");
    EXPECT_NE(value("nextStep"), "1");
}

} // namespace
} // namespace defib::testing
