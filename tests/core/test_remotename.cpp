// The name a test report gets on the instructor's server, the send options of OPTION5.INI and
// how they meet OPTION4.INI, and when Send and File > Send Test Report... can be used. Uploads to
// real servers are tested in tests/transfer.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/harness.h"
#include "engine/pageshandlers.h"
#include "options/remotename.h"
#include "options/reports.h"
#include "options/sendextras.h"

namespace defib::testing {
namespace {

const CalendarTime morning{2026, 12, 8, 9, 41, 0};

TEST(RemoteName, ThePatternIsFilledInWithTheTraineeAndTheDateAndTime)
{
    EXPECT_EQ(remoteNameFor(defaultRemoteNamePattern, {"Pat Trainee", "4711"}, morning),
              "Pat_Trainee_4711_2026-12-08_094100.txt");
    // An empty part leaves no "__" behind.
    EXPECT_EQ(remoteNameFor(defaultRemoteNamePattern, {"Pat Trainee", ""}, morning),
              "Pat_Trainee_2026-12-08_094100.txt");
    EXPECT_EQ(remoteNameFor("{date}-{time}_{name}.log", {"", ""}, {2027, 1, 2, 23, 5, 9}), "2027-01-02-230509.log");
    EXPECT_EQ(remoteNameFor("class3_{id}.txt", {"Pat", "A-1001"}, morning), "class3_A-1001.txt");
    // Nothing at all before the extension.
    EXPECT_EQ(remoteNameFor("{id}.txt", {"Pat", ""}, morning), "AEDTEST.txt");
    EXPECT_EQ(remoteNameFor("{id}", {"Pat", ""}, morning), "AEDTEST");
}

TEST(RemoteName, WhatATraineeTypedCannotLeaveTheFolderOrUpsetTheServer)
{
    const auto named = [](const std::string& name, const std::string& id = "7") {
        return remoteNameFor("{name}_{id}.txt", {name, id}, morning);
    };
    EXPECT_EQ(named("../../etc/passwd"), "etc_passwd_7.txt");
    EXPECT_EQ(named("a\\b:c*d?e\"f<g>h|i"), "a_b_c_d_e_f_g_h_i_7.txt");
    EXPECT_EQ(named("line\r\nbreak\ttab"), "line_break_tab_7.txt");
    EXPECT_EQ(named(".hidden"), "hidden_7.txt");
    EXPECT_EQ(named("Zoë Müller-Łukasz"), "Zoe_Muller-Lukasz_7.txt");
    EXPECT_EQ(named("Søren Ærø Straße"), "Soren_AEro_Strasse_7.txt");
    // Letters of other alphabets and bytes of no valid UTF-8 are not guessed at.
    EXPECT_EQ(named("Иван"), "7.txt");
    EXPECT_EQ(named("A\xff\xfe"), "A_7.txt");
    // A long name is cut, and so is the whole.
    EXPECT_EQ(named(std::string(300, 'x')), std::string(40, 'x') + "_7.txt");
    const std::string longPattern = std::string(200, 'y') + "_{name}.txt";
    EXPECT_EQ(remoteNameFor(longPattern, {"Pat", ""}, morning), std::string(120, 'y') + ".txt");
    for (const std::string& name : {named("../x"), named(std::string(1, '\0') + "x"), named("/"), named("..")}) {
        EXPECT_EQ(name.find('/'), std::string::npos) << name;
        EXPECT_NE(name.front(), '.') << name;
    }
}

TEST(RemoteName, APatternHoldsOnlyItsFourPlaceholdersAndNoFolder)
{
    std::string error;
    EXPECT_TRUE(checkNamePattern(defaultRemoteNamePattern, error));
    EXPECT_TRUE(checkNamePattern("{time}{date}{id}{name}", error));
    EXPECT_FALSE(checkNamePattern("{nmae}.txt", error));
    EXPECT_EQ(error, "The remote file name may hold {name}, {id}, {date} and {time}; \"{nmae}\" is none of them.");
    EXPECT_FALSE(checkNamePattern("{name", error));
    EXPECT_FALSE(checkNamePattern("reports/{name}.txt", error));
    EXPECT_FALSE(checkNamePattern("{name}\\x.txt", error));
    EXPECT_TRUE(isNamePattern("{name}.txt"));
    EXPECT_FALSE(isNamePattern("Aedtest.txt"));
}

TEST(RemoteName, ATakenNameGetsANumberAndTheDetailedReportANameBesideIt)
{
    EXPECT_EQ(numberedName("results.txt", 1), "results.txt");
    EXPECT_EQ(numberedName("results.txt", 2), "results_2.txt");
    EXPECT_EQ(numberedName("results", 12), "results_12");
    EXPECT_EQ(numberedName("J.Smith_4711", 2), "J.Smith_4711_2");
    EXPECT_EQ(detailedNameFor("Pat_4711_2026-12-08_094100_2.txt"), "Pat_4711_2026-12-08_094100_2_details.txt");
    EXPECT_EQ(detailedNameFor("results"), "results_details");
}

TEST(RemoteName, TheNewestResultSaysWhoseReportItIs)
{
    const std::string pat = reportLine("Pat Trainee", "4711", "12/8/26", "03:12", "01:05", "450");
    EXPECT_EQ(ownerOfLine(pat, "", "").name, "Pat Trainee");
    EXPECT_EQ(ownerOfLine(pat, "", "").id, "4711");
    EXPECT_EQ(ownerOfLine(terminatedLine("Sam Medic", "", "12/8/26"), "", "").name, "Sam Medic");
    EXPECT_EQ(ownerOfLine(terminatedLine("Sam Medic", "", "12/8/26"), "", "").id, "");
    // A name longer than its column shifts the ID: the registration knows where one ends.
    const std::string longName = "Alexandra Konstantinopoulou";
    const std::string shifted = reportLine(longName, "X-77", "12/8/26", "03:12", "01:05", "450");
    EXPECT_EQ(ownerOfLine(shifted, longName, "X-77").name, longName);
    EXPECT_EQ(ownerOfLine(shifted, longName, "X-77").id, "X-77");
    // Someone else registered since: the line's own columns.
    EXPECT_EQ(ownerOfLine(pat, "Sam Medic", "0815").name, "Pat Trainee");
    EXPECT_EQ(ownerOfLine("Ünal Öztürk       4711           12/8/26", "", "").name, "Ünal Öztürk");
    // A date a column early is not taken for part of the ID.
    EXPECT_EQ(ownerOfLine("Pat Trainee       4711          12/8/26   03:12", "", "").id, "4711");

    TempDir dir;
    EXPECT_EQ(lastReportLine(dir.file("AEDTEST.TXT")), "");
    dir.write("AEDTEST.TXT", "first\r\n" + pat + "\r\n   \r\n\r\n");
    EXPECT_EQ(lastReportLine(dir.file("AEDTEST.TXT")), pat);
    // A long file is read from its end only.
    std::string many;
    for (int i = 0; i < 20000; ++i)
        many += "Ann Example       1\r\n";
    dir.write("AEDTEST.TXT", many + pat);
    EXPECT_EQ(lastReportLine(dir.file("AEDTEST.TXT")), pat);
}

TEST(RemoteName, TheClockOfTheUnitedStatesFormsIsReadAsNumbers)
{
    EXPECT_EQ(calendarFromUsForms("12/8/26", "9:41:00 AM"), morning);
    EXPECT_EQ(calendarFromUsForms("1/2/2031", "12:05:09 AM"), (CalendarTime{2031, 1, 2, 0, 5, 9}));
    EXPECT_EQ(calendarFromUsForms("1/2/31", "12:30:00 PM"), (CalendarTime{2031, 1, 2, 12, 30, 0}));
    EXPECT_EQ(calendarFromUsForms("1/2/31", "1:02:03 PM"), (CalendarTime{2031, 1, 2, 13, 2, 3}));
    EXPECT_EQ(calendarFromUsForms("1/2/31", "17:02"), (CalendarTime{2031, 1, 2, 17, 2, 0}));
    EXPECT_EQ(calendarFromUsForms("yesterday", "teatime"), CalendarTime{});
    EXPECT_EQ(calendarFromUsForms("13/40/26", "25:61:00"), CalendarTime{});
}

TEST(SendExtrasFile, TheLinesReadBackAndDamageKeepsTheDefaults)
{
    SendExtras extras;
    extras.remoteName = "class_{id}.txt";
    extras.sendDetailed = false;
    EXPECT_EQ(extrasLines(extras), (std::vector<std::string>{"RemoteName=class_{id}.txt", "SendDetailed=F"}));
    EXPECT_EQ(parseExtras(extrasLines(extras)).extras, extras);
    EXPECT_FALSE(parseExtras(extrasLines(extras)).damaged);
    const ExtrasRead damaged = parseExtras({"RemoteName={nope}.txt", "SendDetailed=maybe", "garbage", "Other=1"});
    EXPECT_TRUE(damaged.damaged);
    EXPECT_EQ(damaged.extras, SendExtras());
    TempDir dir;
    EXPECT_EQ(loadExtras(dir.path()).extras, SendExtras());
    EXPECT_FALSE(loadExtras(dir.path()).damaged);
    // A folder in its place is named in a message, and the defaults stand in.
    std::filesystem::create_directory(dir.file(sendExtrasFile));
    EXPECT_FALSE(loadExtras(dir.path()).problem.empty());
    EXPECT_EQ(loadExtras(dir.path()).extras, SendExtras());
}

TEST(SendExtrasFile, AnOwnNameInOption4StaysInForceAndAPatternLeavesTheOldName)
{
    SendExtras pattern;
    EXPECT_EQ(remoteNameInForce("Aedtest.txt", pattern), defaultRemoteNamePattern);
    EXPECT_EQ(remoteNameInForce("", pattern), defaultRemoteNamePattern);
    EXPECT_EQ(remoteNameInForce("class.txt", pattern), "class.txt");
    SendExtras fixed;
    fixed.remoteName = "Aedtest.txt";
    EXPECT_EQ(remoteNameInForce("Aedtest.txt", fixed), "Aedtest.txt");
    EXPECT_EQ(option4RemoteFile("{name}.txt"), "Aedtest.txt");
    EXPECT_EQ(option4RemoteFile("class.txt"), "class.txt");
}

TEST(SendWindowNames, TheWindowShowsThePatternAndOkWritesBothFiles)
{
    Sim sim;
    sim.run("do Button1Click\n"
            "set TFTPform.FTPHost 10.0.0.7\n"
            "set TFTPform.FTPSendDetailed F\n"
            "do TFTPform.OKClick\n");
    EXPECT_EQ(sim.dir().read(sendExtrasFile), "RemoteName={name}_{id}_{date}_{time}.txt\r\nSendDetailed=F\r\n");
    EXPECT_NE(sim.dir().read(sendOptionsFile).find("\r\nRemoteFile=Aedtest.txt\r\n"), std::string::npos);
    // A fixed name goes into OPTION4.INI as before, and into OPTION5.INI.
    sim.run("do Button1Click\n"
            "expect TFTPform.FTPSendDetailed.checked false\n"
            "set TFTPform.FTPRemoteFile class.txt\n"
            "do TFTPform.OKClick\n");
    EXPECT_NE(sim.dir().read(sendOptionsFile).find("\r\nRemoteFile=class.txt\r\n"), std::string::npos);
    EXPECT_NE(sim.dir().read(sendExtrasFile).find("RemoteName=class.txt\r\n"), std::string::npos);
    // The old name itself, chosen, stays chosen.
    sim.run("do Button1Click\n"
            "set TFTPform.FTPRemoteFile Aedtest.txt\n"
            "do TFTPform.OKClick\n");
    Sim again;
    std::filesystem::copy_file(sim.dir().file(sendOptionsFile), again.dir().file(sendOptionsFile));
    std::filesystem::copy_file(sim.dir().file(sendExtrasFile), again.dir().file(sendExtrasFile));
    again.run("do Button1Click\n"
              "expect TFTPform.FTPRemoteFile Aedtest.txt\n"
              "expect TFTPform.FTPHost 10.0.0.7\n");
    // An empty name is the pattern again.
    again.run("set TFTPform.FTPRemoteFile \"\"\n"
              "do TFTPform.OKClick\n"
              "do Button1Click\n"
              "expect TFTPform.FTPRemoteFile {name}_{id}_{date}_{time}.txt\n");
}

TEST(SendWindowNames, AnOlderOption4KeepsItsOwnNameAndItsDefaultGivesWayToThePattern)
{
    Sim own;
    own.dir().write(sendOptionsFile, "Host=h\r\nRemoteFile=Station 4.txt\r\n");
    own.run("answer yes\n"
            "register \"Pat Trainee\" 4711 test\n"
            "do Button1Click\n"
            "expect TFTPform.FTPRemoteFile \"Station 4.txt\"\n");
    EXPECT_EQ(remoteNameToSend(sendView(own.s())), "Station 4.txt");
    Sim old;
    old.dir().write(sendOptionsFile, "Host=h\r\nRemoteFile=Aedtest.txt\r\n");
    old.dir().write("AEDTEST.TXT", reportLine("Sam Medic", "0815", "12/8/26", "02:40", "NO SHOCKS", "-20") + "\r\n");
    old.run("date 12/8/26\n"
            "time \"2:05:09 PM\"\n"
            "do Button1Click\n"
            "expect TFTPform.FTPRemoteFile {name}_{id}_{date}_{time}.txt\n");
    EXPECT_EQ(remoteNameToSend(sendView(old.s())), "Sam_Medic_0815_2026-12-08_140509.txt");
}

TEST(SendWindowNames, ABadPatternOrADamagedFileIsSaidAndNothingIsWritten)
{
    Sim sim;
    sim.run("do Button1Click\n"
            "set TFTPform.FTPRemoteFile {nmae}.txt\n"
            "do TFTPform.OKClick\n"
            "expect TFTPform.visible true\n");
    EXPECT_NE(sim.output().find("message \"The remote file name may hold {name}, {id}, {date} and {time}"),
              std::string::npos);
    EXPECT_FALSE(sim.dir().exists(sendOptionsFile));
    EXPECT_FALSE(sim.dir().exists(sendExtrasFile));
    Sim damaged;
    damaged.dir().write(sendExtrasFile, "RemoteName=kept_{id}.txt\r\nSendDetailed=perhaps\r\n");
    damaged.run("do Button1Click\n"
                "expect TFTPform.FTPRemoteFile kept_{id}.txt\n"
                "expect TFTPform.FTPSendDetailed.checked true\n");
    EXPECT_NE(damaged.output().find("message \"OPTION5.INI is damaged"), std::string::npos);
    EXPECT_EQ(damaged.dir().read(sendExtrasFile), "RemoteName=kept_{id}.txt\r\nSendDetailed=perhaps\r\n");
}

TEST(SendWindowNames, WhenOption4CannotBeWrittenOption5IsPutBack)
{
    Sim sim;
    // A folder where OPTION4.INI should be: it cannot be replaced.
    std::filesystem::create_directory(sim.dir().file(sendOptionsFile));
    std::filesystem::create_directory(sim.dir().file(std::string(sendOptionsFile) + ".tmp"));
    sim.run("do Button1Click\n"
            "set TFTPform.FTPRemoteFile x_{id}.txt\n"
            "do TFTPform.OKClick\n"
            "expect TFTPform.visible true\n");
    EXPECT_NE(sim.output().find("message \"The send options could not be saved in OPTION4.INI"), std::string::npos);
    EXPECT_FALSE(sim.dir().exists(sendExtrasFile));
    sim.dir().write(sendExtrasFile, "RemoteName=before.txt\r\nSendDetailed=F\r\n");
    sim.run("do TFTPform.OKClick\n");
    EXPECT_EQ(sim.dir().read(sendExtrasFile), "RemoteName=before.txt\r\nSendDetailed=F\r\n");
}

TEST(SendState, SendAndTheMenuItemWaitForAReportAndSayWhy)
{
    Sim sim;
    sim.run("date 12/8/26\n"
            "option OptTroubleOdds 0\n");
    EXPECT_EQ(sim.value("SendTestReport.enabled"), "false");
    sim.run("do FileMenuClick\n");
    EXPECT_EQ(sim.value("SendTestReport.enabled"), "false");
    EXPECT_EQ(sim.s().sendWindow.hint, nothingToSendHint);
    sim.run("do enterOptions\n"
            "do TabSheet3Show\n");
    EXPECT_EQ(sim.value("BUTTONSend.enabled"), "false");
    // A test scenario ends: its report is there to send.
    sim.run("answer yes\n"
            "do DATAOKClick\n"
            "do MenuStartClick\n"
            "answer yes\n"
            "register \"Pat Trainee\" 4711 test\n"
            "begin\n"
            "wait 2000\n"
            "do EndButtonClick\n"
            "do FinalErrorOKButtonClick\n"
            "answer yes\n"
            "do TForm2.MainMenuClick\n"
            "do FileMenuClick\n");
    ASSERT_TRUE(sim.dir().exists("AEDTEST.TXT"));
    EXPECT_EQ(sim.value("SendTestReport.enabled"), "true");
    EXPECT_EQ(sim.s().sendWindow.hint, sendReadyHint);
    sim.run("do OPTIONSMainMENUClick\n"
            "do TabSheet3Show\n");
    EXPECT_EQ(sim.value("BUTTONSend.enabled"), "true");
    sim.run("time \"9:41:00 AM\"\n");
    EXPECT_EQ(remoteNameToSend(sendView(sim.s())), "Pat_Trainee_4711_2026-12-08_094100.txt");
    // The menu item sends as the button does: without a host, it says so.
    sim.clearOutput();
    sim.run("answer yes\n"
            "do SendTestReportClick\n");
    EXPECT_NE(sim.output().find("message \"No FTP host is set."), std::string::npos);
    EXPECT_EQ(sim.value("SendTestReport.enabled"), "true");
}

} // namespace
} // namespace defib::testing
