#include <gtest/gtest.h>

#include "device/devicestate.h"
#include "device/display.h"
#include "engine/eventlog.h"
#include "harness.h"
#include "options/catalogue.h"
#include "options/language.h"

using namespace defib;
using namespace defib::testing;

namespace {

std::size_t characters(const std::string& utf8)
{
    std::size_t count = 0;
    for (unsigned char c : utf8)
        count += (c & 0xC0) != 0x80;
    return count;
}

} // namespace

TEST(Catalogue, ReadsPoTextsWithEscapesAndContinuedLinesAndLeavesOutTheUntranslated)
{
    std::vector<std::string> problems;
    const Catalogue c = Catalogue::fromPo("de",
                                          "# comment\n"
                                          "msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=UTF-8\\n\"\n\n"
                                          "msgid \"Shock advised.\"\nmsgstr \"Schock empfohlen.\"\n\n"
                                          "msgid \"Say \\\"clear\\\"\"\nmsgstr \"Sagen Sie \"\n\"\\\"weg\\\"\"\n\r\n"
                                          "msgid \"Not yet\"\nmsgstr \"\"\n",
                                          &problems);
    EXPECT_TRUE(problems.empty());
    EXPECT_EQ(c.text("Shock advised."), "Schock empfohlen.");
    EXPECT_EQ(c.text("Say \"clear\""), "Sagen Sie \"weg\"");
    // Not translated, and unknown: the English stands.
    EXPECT_EQ(c.text("Not yet"), "Not yet");
    EXPECT_EQ(c.text("Never seen"), "Never seen");
    EXPECT_EQ(c.entries().size(), 2u);
}

TEST(Catalogue, NamesTheLineOfEveryDamagedPart)
{
    std::vector<std::string> problems;
    Catalogue::fromPo("de", "msgid \"a\"\nmsgid \"b\"\nmsgstr \"B\"\nmsgstr broken\nnonsense\n\"stray\n", &problems);
    ASSERT_EQ(problems.size(), 5u);
    EXPECT_EQ(problems[0], "line 2: a msgid without its msgstr");
    EXPECT_EQ(problems[1], "line 4: a msgstr without a msgid before it");
    EXPECT_EQ(problems[2], "line 4: a msgstr that is no quoted text");
    EXPECT_EQ(problems[3], "line 5: a line that is no part of a PO file");
    EXPECT_EQ(problems[4], "line 6: a continued text where none goes on");
}

TEST(Catalogue, FillsArgumentsInTheOrderTheTranslationPutsThem)
{
    const Catalogue c = Catalogue::fromPo("de", "msgid \"{1} of {2}\"\nmsgstr \"{2}: {1}\"\n");
    EXPECT_EQ(c.format("{1} of {2}", {"3", "5"}), "5: 3");
    EXPECT_EQ(fillArguments("{1} {0} {3} {x", {"a"}), "a {0} {3} {x");
}

TEST(Catalogue, EveryLanguageLocaleAndTheOptionFile)
{
    EXPECT_EQ(languageOfLocale("de_DE.UTF-8"), "de");
    EXPECT_EQ(languageOfLocale("nl_BE"), "nl");
    EXPECT_EQ(languageOfLocale("pt_BR.UTF-8"), "en");
    EXPECT_EQ(languageOfLocale("C"), "en");
    EXPECT_EQ(languageOfLocale(""), "en");
    TempDir dir;
    EXPECT_FALSE(loadLanguage(dir.path()).code);
    std::string error;
    ASSERT_TRUE(saveLanguage(dir.path(), "fr", error)) << error;
    EXPECT_EQ(dir.read("OPTION6.INI"), "Language=fr\r\n");
    EXPECT_EQ(loadLanguage(dir.path()).code, "fr");
    dir.write("OPTION6.INI", "Language=xx\r\n");
    const LanguageRead damaged = loadLanguage(dir.path());
    EXPECT_FALSE(damaged.code);
    EXPECT_EQ(damaged.problem, "names a language the program does not have: xx");
}

// The display line holds 18 characters of its monospaced font (150 pixels at 8 a character):
// every screen the trainer shows must fit it in every language, and be translated.
TEST(Catalogue, EveryScreenFitsTheDisplayLineInEveryLanguage)
{
    for (const Language& language : shippedLanguages()) {
        const Catalogue c = Catalogue::builtIn(language.code);
        for (int i = 0; i <= static_cast<int>(Screen::ReplaceBattery); ++i) {
            const std::string english = screenText(static_cast<Screen>(i));
            if (english.empty())
                continue;
            const std::string shown = c.text(english);
            EXPECT_LE(characters(shown), 18u) << language.code << ": " << shown;
            if (!c.english()) {
                EXPECT_NE(shown, english) << language.code << " lacks " << english;
            }
        }
        EXPECT_LE(characters(c.text("BATTERY OK")), 18u) << language.code;
    }
}

TEST(Catalogue, APenaltyShowsInTheLanguageWhileTheLogsKeepItsEnglishPattern)
{
    Sim sim;
    sim.run("language de\noption OptTroubleOdds 0\nrandom 0 1 0 1 2 1\nregister \"Pat Doe\" \"\" practice\nnew\n"
            "begin\ndo PowerButtonClick\ndrag PADWHITE PADWhiteZone");
    Scenario& s = sim.s();
    const std::string english = "Did not complete ABCs before attaching AED (-300).";
    const std::string german = s.options.texts().text(english);
    ASSERT_NE(german, english);
    bool logged = false;
    for (const ScoreChange& change : s.scoreLog)
        logged |= change.reason == english && change.points == -300;
    EXPECT_TRUE(logged);
    ASSERT_FALSE(s.summary.Errors.lines().empty());
    EXPECT_EQ(s.summary.Errors.lines().front(), german);
    bool found = false;
    for (const Event& e : s.events.events())
        if (e.kind == EventKind::Score && e.text == english) {
            found = true;
            EXPECT_EQ(eventText(s.options.texts(), e), german);
        }
    EXPECT_TRUE(found);
}

TEST(Catalogue, APromptTheLanguageLacksSpeaksInEnglishAfterOneMessage)
{
    Sim sim;
    std::filesystem::create_directories(sim.dir().file("de"));
    sim.dir().write("de/connecte.wav", "RIFF");
    sim.run("language de");
    Scenario& s = sim.s();
    EXPECT_EQ(promptInLanguage(s, "connecte.wav"), "de/connecte.wav");
    EXPECT_FALSE(s.languagePromptMissingTold);
    EXPECT_EQ(promptInLanguage(s, "shockadv.wav"), "shockadv.wav");
    EXPECT_EQ(promptInLanguage(s, "noshockA.wav"), "noshockA.wav");
    EXPECT_TRUE(s.languagePromptMissingTold);
    sim.run("language en");
    EXPECT_EQ(promptInLanguage(s, "connecte.wav"), "connecte.wav");
}
