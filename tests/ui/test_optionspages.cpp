// The Options pages over the main menu: every option control with its caption, bound live to the
// options model, the spin buttons, the OK, Cancel and DEFAULT buttons and the keyboard focus.
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

#include "uitest.h"

using namespace defib;
using defib::uitest::Fixture;

namespace {

QString plain(QString caption)
{
    return caption.remove(QLatin1Char('&'));
}

// Clicks a check box or radio button on its box, where a click counts.
void toggle(QAbstractButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

// Opens the pages from the main menu, as the trainee does.
QTabWidget* openPages(Fixture& f)
{
    if (!f.click(QStringLiteral("OPTIONSMainMENU")))
        return nullptr;
    auto* pages = f.find<QTabWidget>(QStringLiteral("PageControl1"));
    return pages && pages->isVisible() ? pages : nullptr;
}

} // namespace

class OptionsPagesTest : public QObject {
    Q_OBJECT
private slots:
    void withoutPasswordOptionsOpensThePagesOverTheMenu()
    {
        Fixture f;
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        QTabWidget* pages = openPages(f);
        QVERIFY(pages);
        QCOMPARE(pages->geometry(), f.window->canvas()->rect());
        QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("TabSheet1"));
        QStringList titles;
        for (int i = 0; i < pages->count(); ++i)
            titles << plain(pages->tabText(i));
        QCOMPARE(titles,
                 (QStringList{QStringLiteral("Program Options"), QStringLiteral("Protocol Options"),
                              QStringLiteral("Report Options")}));
        // The menu stays behind the pages; what is under the mouse belongs to the pages.
        QVERIFY(f.find(QStringLiteral("MENU"))->isVisible());
        QWidget* under = f.window->canvas()->childAt(f.window->canvas()->rect().center());
        QVERIFY(under && (under == pages || pages->isAncestorOf(under)));
        QTRY_COMPARE(QApplication::focusWidget(), f.find(QStringLiteral("ProgramOK")));
    }

    void everyOptionHasItsCaption_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        const std::pair<const char*, const char*> captions[] = {
            {"OptMOTIONTrouble", "  Motion Detection"},
            {"OptElectrodeTrouble", "  Electrode Re-attach"},
            {"OptBatteryTrouble", "  Battery Replace"},
            {"IDNumCheckBox", "  Require ID Number"},
            {"SOUNDCheckBox", "  Audio"},
            {"OPTAUTOANALYZE", "  Auto Analyze"},
            {"OptBVM", "  Bag-Valve Mask"},
            {"OptHypo", "  Hypothermic Patient"},
            {"OPTOneShockScenario", "  One Shock Scenario"},
            {"OPTCPRTIME", "  Prompt for CPR time"},
            {"OPTautoABCS", "  Auto ABCs"},
            {"THREESCENARIOTEST", "  Three Scenario Exam"},
            {"OPTTWOBUTTONAED", "  Two Button AED"},
            {"OptVoice", "  Scoring for Voice Report"},
            {"OptPulseAfter3rdShock", "  Pulse Check After 3rd Stacked Shock"},
            {"OPTBPCHECK", "  BP Check After Pulse Returns"},
            {"OPTPEDSMONITOR", "  Monitor ECG of Underage/Weight Pediatric"},
            {"OptPulseAfterCPR", "  Pulse Check After Stopping CPR"},
            {"OptSingleShock", "  Single Shock Protocol"},
            {"OptMetronome", "  CPR Metronome"},
            {"OptCPRSingleLengthLabel", "CPR Period After Each Shock or No Shock Advised (seconds)"},
            {"Age", "Age (years)"},
            {"Weight", "Weight (lbs.)"},
            {"PercentageLabel", "Percentage"},
            {"OptHypoShocksLabel", "Hypothermic Shock Limit"},
            {"OptMinimumAgeLabel", "Pediatric Limit"},
            {"OptCPR1LengthLabel", "CPR Period Prior to Analyzing (seconds)"},
            {"OptCPR2LengthLabel", "CPR Period After 1st No Shock Advised (seconds)"},
            {"OptCPR3LengthLabel", "CPR Period After No Shock Advised (seconds)"},
            {"OptCPR4LengthLabel", "CPR Period After 3 Stacked Shocks (seconds)"},
            {"PASSWORDBUTTON", "Password"},
            {"PROGRAMDefaultButton", "DEFAULT"},
            {"ProgramOK", "OK"},
            {"ButtonCANCEL1", "Cancel"},
            {"CLEARSCOREBOARD", "Clear Scorebrd"},
            {"PROTOCOLDefaultButton", "DEFAULT"},
            {"ProtocolOK", "OK"},
            {"ButtonCANCEL2", "Cancel"},
            {"REPORTOpenFile", "Open"},
            {"FONTBUTTON", "Font"},
            {"PRINTBUTTON", "Print"},
            {"DATAOK", "OK"},
            {"Button1", "Send Options"},
            {"BUTTONSend", "Send"},
        };
        for (auto [name, caption] : captions)
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(caption);
    }

    void everyOptionHasItsCaption()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        Fixture f;
        QVERIFY(openPages(f));
        QWidget* widget = f.find(name);
        QVERIFY(widget);
        QString text;
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            text = button->text();
        else if (auto* label = qobject_cast<QLabel*>(widget))
            text = label->text();
        QCOMPARE(plain(text), caption);
    }

    // A click runs the option's handler in the core; the pages then show what the handlers did.
    void aClickRunsTheDependencies()
    {
        Fixture f;
        QVERIFY(openPages(f));
        Options& o = f.s().options;
        o.setChecked(o.OptPulseAfterCPR, true);
        o.setChecked(o.OPTAUTOANALYZE, false);
        o.optionsDirty = false;
        f.window->sync();
        auto* twoButton = f.find<QCheckBox>(QStringLiteral("OPTTWOBUTTONAED"));
        toggle(twoButton);
        QVERIFY(o.OPTTWOBUTTONAED.checked);
        QVERIFY(o.OPTAUTOANALYZE.checked);
        QVERIFY(!o.OptPulseAfterCPR.checked);
        QVERIFY(o.optionsDirty);
        QVERIFY(f.find<QCheckBox>(QStringLiteral("OPTAUTOANALYZE"))->isChecked());
        QVERIFY(!f.find<QCheckBox>(QStringLiteral("OptPulseAfterCPR"))->isChecked());

        toggle(f.find<QCheckBox>(QStringLiteral("OPTAUTOANALYZE")));
        QVERIFY(!o.OPTTWOBUTTONAED.checked);
        QVERIFY(!twoButton->isChecked());
    }

    void theSpinButtonsStepThroughTheCore()
    {
        Fixture f;
        QVERIFY(openPages(f));
        auto* odds = f.find<QLineEdit>(QStringLiteral("OptTroubleOdds"));
        QVERIFY(odds->isReadOnly());
        QTest::mouseClick(f.find<QToolButton>(QStringLiteral("SpinButton11Up")), Qt::LeftButton);
        QCOMPARE(odds->text(), QStringLiteral("25"));
        QCOMPARE(f.s().options.OptTroubleOdds.text(), std::string("25"));
        QVERIFY(f.s().options.optionsDirty);
        // The arrow keys in the field work its spin button too.
        QTest::keyClick(odds, Qt::Key_Down);
        QTest::keyClick(odds, Qt::Key_Down);
        QCOMPARE(odds->text(), QStringLiteral("15"));
        // Typing does nothing: the number changes only by its spin button.
        QTest::keyClicks(odds, QStringLiteral("9"));
        QCOMPARE(f.s().options.OptTroubleOdds.text(), std::string("15"));

        f.s().options.setText(f.s().options.OptHypoShocks, "10");
        f.window->sync();
        QTest::mouseClick(f.find<QToolButton>(QStringLiteral("SpinButton5Up")), Qt::LeftButton);
        QCOMPARE(f.find<QLineEdit>(QStringLiteral("OptHypoShocks"))->text(), QStringLiteral("10"));
    }

    void choosingAgeResetsALimitInPounds()
    {
        Fixture f;
        QTabWidget* pages = openPages(f);
        QVERIFY(pages);
        QTest::mouseClick(pages->tabBar(), Qt::LeftButton, {}, pages->tabBar()->tabRect(1).center());
        QVERIFY(f.s().ui.TabSheet2.visible);
        auto* weight = f.find<QRadioButton>(QStringLiteral("Weight"));
        toggle(weight);
        QVERIFY(f.s().options.Weight.checked);
        f.s().options.setText(f.s().options.OptMinimumAge, "100");
        f.window->sync();
        toggle(f.find<QRadioButton>(QStringLiteral("Age")));
        QCOMPARE(f.find<QLineEdit>(QStringLiteral("OptMinimumAge"))->text(), QStringLiteral("8"));
        QVERIFY(!weight->isChecked());
    }

    void okAfterAChangeAnsweredNoShowsTheSavedOptionsAgain()
    {
        Fixture f;
        QVERIFY(openPages(f));
        auto* bvm = f.find<QCheckBox>(QStringLiteral("OptBVM"));
        toggle(bvm);
        QVERIFY(bvm->isChecked());
        f.dialogs.answers.push_back(false);
        QVERIFY(f.click(QStringLiteral("ProgramOK")));
        QCOMPARE(f.dialogs.questions, (std::vector<std::string>{"Save changes to options?"}));
        QVERIFY(!f.find(QStringLiteral("PageControl1"))->isVisible());
        QVERIFY(!QFile::exists(f.dir.filePath(QStringLiteral("OPTION1.INI"))));
        QVERIFY(openPages(f));
        QVERIFY(!bvm->isChecked());
    }

    void okAfterAChangeAnsweredYesWritesTheFiles()
    {
        Fixture f;
        QVERIFY(openPages(f));
        toggle(f.find<QCheckBox>(QStringLiteral("OptHypo")));
        f.dialogs.answers.push_back(true);
        QVERIFY(f.click(QStringLiteral("ProgramOK")));
        QVERIFY(QFile::exists(f.dir.filePath(QStringLiteral("OPTION1.INI"))));
        QVERIFY(QFile::exists(f.dir.filePath(QStringLiteral("OPTION2.INI"))));
        QVERIFY(f.s().options.OptHypo.checked);
        QTRY_COMPARE(QApplication::focusWidget(), f.find(QStringLiteral("MenuStart")));
    }

    void cancelDiscardsWithoutAsking()
    {
        Fixture f;
        QVERIFY(openPages(f));
        QTest::mouseClick(f.find<QToolButton>(QStringLiteral("SpinButton11Up")), Qt::LeftButton);
        QVERIFY(f.click(QStringLiteral("ButtonCANCEL1")));
        QVERIFY(f.dialogs.questions.empty());
        QCOMPARE(f.s().options.OptTroubleOdds.text(), std::string("20"));
        QVERIFY(!f.find(QStringLiteral("PageControl1"))->isVisible());
    }

    void defaultPutsTheDefaultsOnThePage()
    {
        Fixture f;
        QVERIFY(openPages(f));
        f.window->run("TabSheet2Show");
        QTest::mouseClick(f.find<QToolButton>(QStringLiteral("SpinButton2Down")), Qt::LeftButton);
        toggle(f.find<QCheckBox>(QStringLiteral("OptVoice")));
        QTest::mouseClick(f.find<QToolButton>(QStringLiteral("SpinButton12Up")), Qt::LeftButton);
        QCOMPARE(f.find<QLineEdit>(QStringLiteral("OptCPRSingleLength"))->text(), QStringLiteral("125"));
        toggle(f.find<QCheckBox>(QStringLiteral("OptSingleShock")));
        toggle(f.find<QCheckBox>(QStringLiteral("OptMetronome")));
        QVERIFY(f.s().options.OptSingleShock.checked && f.s().options.OptMetronome.checked);
        QVERIFY(f.click(QStringLiteral("PROTOCOLDefaultButton")));
        QCOMPARE(f.find<QLineEdit>(QStringLiteral("OptCPR2Length"))->text(), QStringLiteral("60"));
        QVERIFY(!f.find<QCheckBox>(QStringLiteral("OptVoice"))->isChecked());
        QCOMPARE(f.find<QLineEdit>(QStringLiteral("OptCPRSingleLength"))->text(), QStringLiteral("120"));
        QVERIFY(!f.find<QCheckBox>(QStringLiteral("OptSingleShock"))->isChecked());
        QVERIFY(!f.find<QCheckBox>(QStringLiteral("OptMetronome"))->isChecked());
        QVERIFY(f.s().options.optionsDirty);
    }

    // Nothing of the main menu shows through the pages: the strip beside the tabs is drawn in
    // the tab bar's colour (the menu's logo once showed there at 125 %).
    void thePagesCoverTheMenuWhole()
    {
        Fixture f;
        QTabWidget* pages = openPages(f);
        QVERIFY(pages);
        const QImage drawn = pages->grab().toImage();
        const int beside = pages->tabBar()->geometry().right() + 20;
        QVERIFY(beside < drawn.width());
        for (int y : {2, pages->tabBar()->height() / 2, pages->tabBar()->height() - 2})
            QCOMPARE(drawn.pixelColor(beside, y), QColor(0x1F, 0x3B, 0x57));
    }

    // Single Shock ticked greys out what only stacked shocks read, at once, and unticked brings
    // it back; the values stay.
    void singleShockDisablesTheStackedProfilesOptionsLive()
    {
        Fixture f;
        QVERIFY(openPages(f));
        f.window->run("TabSheet2Show");
        auto* single = f.find<QCheckBox>(QStringLiteral("OptSingleShock"));
        const QStringList stacked{QStringLiteral("OptCPR2Length"),    QStringLiteral("OptCPR3Length"),
                                  QStringLiteral("OptCPR4Length"),    QStringLiteral("OptPulseAfter3rdShock"),
                                  QStringLiteral("OptPulseAfterCPR"), QStringLiteral("SpinButton2Up"),
                                  QStringLiteral("SpinButton4Down"),  QStringLiteral("OptCPR3LengthLabel")};
        const QStringList shared{QStringLiteral("OptCPR1Length"), QStringLiteral("OptCPRSingleLength"),
                                 QStringLiteral("OptVoice"), QStringLiteral("SpinButton12Up")};
        for (const QString& name : stacked + shared)
            QVERIFY2(f.find(name)->isEnabled(), qPrintable(name));
        toggle(single);
        QVERIFY(f.s().options.OptSingleShock.checked);
        for (const QString& name : stacked)
            QVERIFY2(!f.find(name)->isEnabled(), qPrintable(name));
        for (const QString& name : shared)
            QVERIFY2(f.find(name)->isEnabled(), qPrintable(name));
        QCOMPARE(f.find<QLineEdit>(QStringLiteral("OptCPR2Length"))->text(), QStringLiteral("60"));
        toggle(single);
        for (const QString& name : stacked)
            QVERIFY2(f.find(name)->isEnabled(), qPrintable(name));
    }

    void theActivePageIsKeptAndItsOKTakesTheFocus()
    {
        Fixture f;
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        QTabWidget* pages = openPages(f);
        QVERIFY(pages);
        pages->setCurrentIndex(2);
        QVERIFY(f.s().ui.TabSheet3.visible);
        QVERIFY(!f.s().ui.TabSheet1.visible);
        QVERIFY(f.click(QStringLiteral("DATAOK")));
        QVERIFY(openPages(f));
        QCOMPARE(pages->currentIndex(), 2);
        QTRY_COMPARE(QApplication::focusWidget(), f.find(QStringLiteral("DATAOK")));
        QVERIFY(f.click(QStringLiteral("DATAOK")));
        QVERIFY(!pages->isVisible());
    }

    // Start lies behind the pages: a key must not send the focus there.
    void aKeyThatReachesTheWindowGoesToTheOKOfThePageInView()
    {
        Fixture f;
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        QTabWidget* pages = openPages(f);
        QVERIFY(pages);
        pages->setCurrentIndex(1);
        auto* voice = f.find<QCheckBox>(QStringLiteral("OptVoice"));
        voice->setFocus();
        QTest::keyClick(voice, Qt::Key_X);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(voice));
        QApplication::focusWidget()->clearFocus();
        QTest::keyClick(f.window.get(), Qt::Key_X);
        QTRY_COMPARE(QApplication::focusWidget(), f.find(QStringLiteral("ProtocolOK")));
        QVERIFY(!f.s().registration.window.visible);
        // On the main menu the same key goes to Start.
        QVERIFY(f.click(QStringLiteral("ButtonCANCEL2")));
        QApplication::focusWidget()->clearFocus();
        QTest::keyClick(f.window.get(), Qt::Key_X);
        QTRY_COMPARE(QApplication::focusWidget(), f.find(QStringLiteral("MenuStart")));
    }

    void thePasswordFieldForcesLowerCaseAndIsMasked()
    {
        Fixture f;
        QVERIFY(openPages(f));
        auto* field = f.find<QLineEdit>(QStringLiteral("PASSWORD"));
        QCOMPARE(field->echoMode(), QLineEdit::Password);
        QVERIFY(field->styleSheet().contains(QStringLiteral("lineedit-password-character: 42")));
        QTest::keyClicks(field, QStringLiteral("Medic"));
        QCOMPARE(field->text(), QStringLiteral("medic"));
        QCOMPARE(f.s().options.PASSWORD.text(), std::string("medic"));
        QVERIFY(f.s().options.optionsDirty);
        auto* reveal = f.find<QPushButton>(QStringLiteral("PASSWORDBUTTON"));
        QCOMPARE(reveal->toolTip(), QStringLiteral("Click this button to show/hide the current password."));
        QTest::mouseClick(reveal, Qt::LeftButton);
        QCOMPARE(field->echoMode(), QLineEdit::Normal);
        QVERIFY(reveal->isChecked());
        QTest::mouseClick(reveal, Qt::LeftButton);
        QCOMPARE(field->echoMode(), QLineEdit::Password);
    }

    void clearScorebrdAsksFirst()
    {
        Fixture f;
        QFile board(f.dir.filePath(QStringLiteral("SCOREBRD.DAT")));
        QVERIFY(board.open(QIODevice::WriteOnly));
        board.write("  Pat              12/8/26         450\r\n");
        board.close();
        const qint64 size = QFileInfo(board).size();
        QVERIFY(openPages(f));
        f.dialogs.answers.push_back(false);
        QVERIFY(f.click(QStringLiteral("CLEARSCOREBOARD")));
        QCOMPARE(f.dialogs.questions, (std::vector<std::string>{"Delete scores on the scoreboard?"}));
        QCOMPARE(QFileInfo(board).size(), size);
        f.dialogs.answers.push_back(true);
        QVERIFY(f.click(QStringLiteral("CLEARSCOREBOARD")));
        QCOMPARE(QFileInfo(board).size(), qint64(0));
    }
};

QTEST_MAIN(OptionsPagesTest)
#include "test_optionspages.moc"
