// The files, the scoreboard, the report viewer and the messages of sending and of the option
// files in another language: the texts change, the columns and the English do not.
#include <gtest/gtest.h>

#include <filesystem>

#include "harness.h"
#include "options/optionfile.h"
#include "options/remotename.h"
#include "options/reports.h"
#include "options/reportsend.h"
#include "options/reportviewer.h"
#include "options/scoreboard.h"
#include "options/sendextras.h"
#include "options/transfer.h"
#include "options/utf8.h"

using namespace defib;
using defib::testing::TempDir;

namespace {

// A small German catalogue as a translator would write it; one translation moves its placeholders.
Catalogue german()
{
    std::vector<std::string> problems;
    Catalogue texts = Catalogue::fromPo("de", R"(msgid ""
msgstr "Content-Type: text/plain; charset=UTF-8\n"

msgid "Scenario terminated"
msgstr "Szenario abgebrochen"

msgid "Test abandoned"
msgstr "Prüfung aufgegeben"

msgid "NAME"
msgstr "NAME"

msgid "ID NUMBER"
msgstr "AUSWEIS-NR."

msgid "DATE"
msgstr "DATUM"

msgid "SCNTIME"
msgstr "ZEIT"

msgid "SHOCK1"
msgstr "SCHOCK1"

msgid "SCORE"
msgstr "PUNKTE"

msgid "Defibrio TEST REPORT"
msgstr "Defibrio PRÜFUNGSBERICHT"

msgid "name"
msgstr "Name"

msgid "date"
msgstr "Datum"

msgid "score"
msgstr "Punkte"

msgid "{1} refused the login of user \"{2}\". Check the user name and password on the SEND OPTIONS "
"screen. Nothing was sent."
msgstr "Benutzer „{2}“ wurde von {1} abgewiesen. Nichts wurde gesendet."

msgid "The copy on {1} may be missing or incomplete: send it again."
msgstr "Die Kopie auf {1} fehlt vielleicht: erneut senden."

msgid "Details: {1}"
msgstr "Einzelheiten: {1}"

msgid "no host key"
msgstr "kein Host-Schlüssel"

msgid "{1} closed the connection before it confirmed that {2} arrived whole."
msgstr "{1} hat die Verbindung beendet, bevor {2} ganz ankam."

msgid "AEDTEST.TXT was sent to {1} as {2} ({3} bytes)."
msgstr "AEDTEST.TXT ging als {2} an {1} ({3} Bytes)."

msgid "The name {1} was taken on the server; nothing there was replaced."
msgstr "Der Name {1} war schon vergeben; nichts wurde ersetzt."

msgid "cannot be used: {1}"
msgstr "ist nicht zu gebrauchen: {1}"

msgid "it is not a regular file"
msgstr "es ist keine gewöhnliche Datei"

msgid "The option file {1} {2}. The default send options are used instead of what it could not give."
msgstr "Die Optionsdatei {1} {2}. Es gelten die Standard-Sendeoptionen."

msgid "The remote file name may hold {name}, {id}, {date} and {time}; \"{1}\" is none of them."
msgstr "Der Name darf {name}, {id}, {date} und {time} enthalten; „{1}“ ist keins davon."
)",
                                        &problems);
    EXPECT_TRUE(problems.empty()) << problems.front();
    return texts;
}

// Where each word of a heading starts, in characters.
std::vector<std::size_t> wordStarts(const std::string& line)
{
    std::vector<std::size_t> starts;
    std::size_t column = 0;
    bool inWord = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if ((static_cast<unsigned char>(line[i]) & 0xC0) == 0x80)
            continue;
        const bool blank = line[i] == ' ';
        if (!blank && !inWord)
            starts.push_back(column);
        inWord = !blank;
        ++column;
    }
    return starts;
}

FtpSettings server()
{
    FtpSettings s;
    s.host = "127.0.0.1";
    s.user = "medic";
    return s;
}

} // namespace

TEST(TranslatedReports, TheEndOfALineIsTranslatedAndTheColumnsStay)
{
    const Catalogue de = german();
    const std::string english = terminatedLine("Jürgen Müller", "4711", "12/8/26");
    EXPECT_EQ(english, "Jürgen Müller     4711           12/8/26   Scenario terminated");
    EXPECT_EQ(terminatedLine("Jürgen Müller", "4711", "12/8/26", Catalogue()), english);

    const std::string line = terminatedLine("Jürgen Müller", "4711", "12/8/26", de);
    EXPECT_EQ(line, "Jürgen Müller     4711           12/8/26   Szenario abgebrochen");
    const std::string abandoned = abandonedLine("Jürgen Müller", "4711", "12/8/26", de);
    EXPECT_EQ(firstCharacters(abandoned, 43), firstCharacters(english, 43));
    EXPECT_EQ(abandoned.substr(english.size() - std::string("Scenario terminated").size()), "Prüfung aufgegeben");
}

TEST(TranslatedReports, TheViewerHeadingKeepsItsColumnsAndFallsBackWhereATranslationIsTooWide)
{
    const Catalogue de = german();
    const std::vector<std::string> english = reportHeading();
    EXPECT_EQ(english[0], "NAME               ID NUMBER     DATE     SCNTIME SHOCK1 SCORE");

    const std::vector<std::string> heading = reportHeading(de);
    // "SCHOCK1" (7 characters) leaves no blank in the 7 of its column and "PUNKTE" is wider than
    // the score's 5: both stay English. The others start where the English names start.
    EXPECT_EQ(heading[0], "NAME               AUSWEIS-NR.   DATUM    ZEIT    SHOCK1 SCORE");
    EXPECT_EQ(wordStarts(heading[0]), wordStarts("NAME               ID_NUMBER     DATE     SCNTIME SHOCK1 SCORE"));
    EXPECT_EQ(characterCount(heading[0]), characterCount(english[0]));
    EXPECT_EQ(heading[1], english[1]);

    const std::vector<std::string> shown = viewerLines("aedtest.txt", {"Jürgen Müller     4711"}, "12/8/26", de);
    ASSERT_EQ(shown.size(), 5u);
    EXPECT_EQ(shown[0], "                  Defibrio PRÜFUNGSBERICHT  12/8/26");
    EXPECT_EQ(shown[2], heading[0]);
    EXPECT_EQ(viewerLines("aedtest.txt", {"x"}, "12/8/26")[0], "                  Defibrio TEST REPORT  12/8/26");
}

TEST(TranslatedReports, TheScoreboardHeadingKeepsTheColumnsOfTheEntries)
{
    const std::vector<std::string> english = scoreboardHeading();
    EXPECT_EQ(english[0], "  name            date          score");
    const std::vector<std::string> heading = scoreboardHeading(german());
    // "Punkte" is wider than the score column's 5 and stays English.
    EXPECT_EQ(heading[0], "  Name            Datum         score");
    EXPECT_EQ(wordStarts(heading[0]), wordStarts(english[0]));
    EXPECT_EQ(heading.size(), english.size());
}

TEST(TranslatedSending, AMessageMayMoveItsPlaceholdersAndOurDetailsAreTranslated)
{
    const Catalogue de = german();
    SendResult refused;
    refused.outcome = SendOutcome::LoginRefused;
    EXPECT_EQ(resultMessage(refused, "AEDTEST.TXT", server()),
              "127.0.0.1 refused the login of user \"medic\". Check the user name and password on the SEND OPTIONS "
              "screen. Nothing was sent.");
    EXPECT_EQ(resultMessage(refused, "AEDTEST.TXT", server(), de),
              "Benutzer „medic“ wurde von 127.0.0.1 abgewiesen. Nichts wurde gesendet.");

    SendResult lost;
    lost.outcome = SendOutcome::ConnectionLost;
    lost.started = true;
    lost.detail = "no host key";
    EXPECT_EQ(resultMessage(lost, "AEDTEST.TXT", server()),
              "127.0.0.1 closed the connection before it confirmed that AEDTEST.TXT arrived whole. The copy on "
              "127.0.0.1 may be missing or incomplete: send it again.\n\nDetails: no host key");
    EXPECT_EQ(resultMessage(lost, "AEDTEST.TXT", server(), de),
              "127.0.0.1 hat die Verbindung beendet, bevor AEDTEST.TXT ganz ankam. Die Kopie auf 127.0.0.1 fehlt "
              "vielleicht: erneut senden.\n\nEinzelheiten: kein Host-Schlüssel");
    // A server's own words stay as the server said them.
    lost.detail = "550 Permission denied";
    EXPECT_NE(resultMessage(lost, "AEDTEST.TXT", server(), de).find("Einzelheiten: 550 Permission denied"),
              std::string::npos);
}

TEST(TranslatedSending, TheReportsMessageJoinsItsSentencesAsInEnglish)
{
    ReportSendResult result;
    result.summary.outcome = SendOutcome::Sent;
    result.summary.bytes = 120;
    result.summary.remoteName = "Aedtest_1.txt";
    FtpSettings settings = server();
    EXPECT_EQ(reportResultMessage(result, "Aedtest.txt", settings),
              "AEDTEST.TXT was sent to 127.0.0.1 as Aedtest_1.txt (120 bytes). The name Aedtest.txt was taken on the "
              "server; nothing there was replaced.");
    EXPECT_EQ(reportResultMessage(result, "Aedtest.txt", settings, german()),
              "AEDTEST.TXT ging als Aedtest_1.txt an 127.0.0.1 (120 Bytes). Der Name Aedtest.txt war schon vergeben; "
              "nichts wurde ersetzt.");
}

TEST(TranslatedOptionFiles, AnUnusableFileIsNamedInTheLanguageWithTheReasonTranslated)
{
    TempDir dir;
    std::filesystem::create_directory(dir.file(sendExtrasFile));
    const Catalogue de = german();
    const OptionFileRead english = readOptionFile(dir.path(), sendExtrasFile);
    const OptionFileRead read = readOptionFile(dir.path(), sendExtrasFile, de);
    EXPECT_FALSE(english.problem.empty());
    EXPECT_EQ(english.problem.rfind("cannot be used: ", 0), 0u);
    EXPECT_EQ(read.problem.rfind("ist nicht zu gebrauchen: ", 0), 0u);
    EXPECT_EQ(optionFileProblem(sendExtrasFile, english.problem, "default send"),
              "The option file OPTION5.INI " + english.problem
                  + ". The default send options are used instead of what it could not give.");
    EXPECT_EQ(optionFileProblem(sendExtrasFile, read.problem, "default send", de),
              "Die Optionsdatei OPTION5.INI " + read.problem + ". Es gelten die Standard-Sendeoptionen.");
    EXPECT_EQ(loadExtras(dir.path(), de).problem, read.problem);
}

TEST(TranslatedOptionFiles, ARefusedNamePatternKeepsItsOwnBraces)
{
    std::string error;
    EXPECT_FALSE(checkNamePattern("{who}.txt", error));
    EXPECT_EQ(error, "The remote file name may hold {name}, {id}, {date} and {time}; \"{who}\" is none of them.");
    EXPECT_FALSE(checkNamePattern("{who}.txt", error, german()));
    EXPECT_EQ(error, "Der Name darf {name}, {id}, {date} und {time} enthalten; „{who}“ ist keins davon.");
}
