#include <gtest/gtest.h>

#include <sstream>

#include "harness.h"
#include "sim/runner.h"

using namespace defib;
using defib::testing::TempDir;

namespace {
struct Result {
    int status;
    std::string out;
    std::string err;
};
Result runScript(const std::string& script)
{
    TempDir dir;
    dir.write("MOTION.WAV", "RIFF");
    std::ostringstream out;
    std::ostringstream err;
    sim::Runner runner(out, err, dir.path());
    std::istringstream in(script);
    int status = runner.run(in);
    return {status, out.str(), err.str()};
}
} // namespace

TEST(ScriptWords, QuotesEscapesAndComments)
{
    std::vector<std::string> words;
    std::vector<bool> quoted;
    ASSERT_TRUE(sim::splitWords("register \"Pat \\\"Doc\\\" O\\\\Neil\" \"\" practice # a comment", words, quoted));
    EXPECT_EQ(words, (std::vector<std::string>{"register", "Pat \"Doc\" O\\Neil", "", "practice"}));
    EXPECT_EQ(quoted, (std::vector<bool>{false, true, true, false}));
    ASSERT_TRUE(sim::splitWords("   # only a comment", words, quoted));
    EXPECT_TRUE(words.empty());
    EXPECT_FALSE(sim::splitWords("set userName \"open", words, quoted));
}

TEST(ScriptRun, ExitStatusTellsWhatHappened)
{
    EXPECT_EQ(runScript("expect nextStep 2\n").status, 0);
    Result failed = runScript("expect nextStep 3\nexpect score 0\n");
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.err, "line 1: expected nextStep 3, got 2\n");
    for (const char* bad :
         {"frobnicate", "do NoSuchHandler", "show nothingAtAll", "set score many", "option OPTAUTOANALYZE yes",
          "wait soon", "set score 40000", "answer maybe", "register Pat \"\" exam"}) {
        Result r = runScript(std::string("\n") + bad + "\n");
        EXPECT_EQ(r.status, 2) << bad;
        EXPECT_EQ(r.err.rfind("line 2: ", 0), 0u) << bad << ": " << r.err;
    }
    // Without the Qt build's station service, `station` says what is missing.
    EXPECT_EQ(runScript("station 0 123456\n").err,
              "line 1: station: this defibrio-sim was built without Qt WebSockets\n");
    // A queued draw that is out of range fails the line that draws.
    Result outOfRange = runScript("random 9\nregister Pat \"\" practice\nnew\n");
    EXPECT_EQ(outOfRange.status, 2);
    EXPECT_EQ(outOfRange.err, "line 3: queued random value 9 is not below 8\n");
}

TEST(ScriptRun, ConfirmationNeedsAQueuedAnswer)
{
    Result r = runScript("register Pat \"\" test\n");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("no answer queued"), std::string::npos);
    Result answered = runScript("answer no\nregister Pat \"\" test\nexpect practiceMode true\n");
    EXPECT_EQ(answered.status, 0) << answered.err;
    EXPECT_NE(answered.out.find("0 confirm \"Are you sure you want the TEST mode? Click NO for practice.\" -> no\n"),
              std::string::npos)
        << answered.out;
}

TEST(ScriptRun, PrintsChangesWithTheirVirtualTime)
{
    Result r = runScript("register Pat \"\" practice\nrandom 0 1 0 0 0 0\nnew\nwait 250\nbegin\nwait 1000\n"
                         "do PulseButtonClick\nwait 2000\nshow PULSETIMER\nshow Patient1.visible\nshow userName\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "0 SCORELabel \"0\"\n"
              "0 MainMSGDisplay \"Click here to start.\"\n"
              "250 MainMSGDisplay \"\"\n"
              "1250 Steps \" Pulse\"\n"
              "1250 STEPS2 \" Pulse\"\n"
              "3250 MainMSGDisplay \"Pulse rate is 0.\"\n"
              "3250 show PULSETIMER off 2000\n"
              "3250 show Patient1.visible true\n"
              "3250 show userName \"Pat\"\n");
}

TEST(ScriptRun, ExpectTakesTextsWithOrWithoutQuotes)
{
    Result r = runScript("register Pat \"\" practice\nexpect userName Pat\nexpect userName \"Pat\"\n"
                         "expect PULSETIMER off 2000\nexpect MainMSGDisplay \"\"\nexpect SOUNDCheckBox true\n"
                         "expect PowerLight white\n");
    EXPECT_EQ(r.status, 0) << r.err;
}

TEST(ScriptRun, RegistrationRefusals)
{
    Result r = runScript("register \"\" \"\" practice\noption IDNumCheckBox T\nregister Pat \"\" practice\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("message \"Please enter a name.\""), std::string::npos);
    EXPECT_NE(r.out.find("message \"Please enter an ID Number.\""), std::string::npos);
}
