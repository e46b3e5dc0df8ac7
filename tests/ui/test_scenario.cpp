// A whole one-shock practice scenario played through the main window's widgets, from the main
// menu to the summary, on a virtual clock.
#include <QDropEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>

#include "uitest.h"

using namespace defib;
using defib::uitest::Fixture;

namespace {

// Drops a pad on a zone with a hand-built drop event, between the pad's start and end of drag.
void dropPad(Fixture& f, const std::string& pad, const QString& zone)
{
    f.window->run(pad + "StartDrag");
    QWidget* target = f.find(zone);
    QVERIFY(target);
    QMimeData data;
    data.setData(ui::padMimeType, QByteArray::fromStdString(pad));
    const QPointF at = QPointF(target->rect().center());
    QDragEnterEvent enter(at.toPoint(), Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(at, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    f.window->run(pad + "EndDrag");
}

QStringList listLines(QListWidget* list)
{
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines;
}

} // namespace

class ScenarioWindowTest : public QObject {
    Q_OBJECT
private slots:
    void wholeOneShockPracticeScenario()
    {
        Fixture f;
        Scenario& s = f.s();
        s.options.setText(s.options.OptTroubleOdds, "0");
        s.options.setChecked(s.options.OPTOneShockScenario, true);
        QVERIFY(f.find(QStringLiteral("MENU"))->isVisible());

        QVERIFY(f.click(QStringLiteral("MenuStart")));
        auto* registration = f.find(QStringLiteral("TUserNAMEFORM"));
        QVERIFY(registration && registration->isVisible());
        QTest::keyClicks(registration->findChild<QLineEdit*>(QStringLiteral("NameEdit")), QStringLiteral("Pat Doe"));
        QTest::mouseClick(registration->findChild<QPushButton*>(QStringLiteral("OKButton")), Qt::LeftButton);
        QVERIFY(!registration->isVisible());
        QVERIFY(!f.find(QStringLiteral("MENU"))->isVisible());
        auto* messages = f.find<QPlainTextEdit>(QStringLiteral("MainMSGDisplay"));
        QCOMPARE(messages->toPlainText(), QStringLiteral("Click here to start."));
        QVERIFY(!f.find(QStringLiteral("CPRButton"))->isEnabled());
        QTest::mouseClick(messages->viewport(), Qt::LeftButton);
        QVERIFY(f.find(QStringLiteral("CPRButton"))->isEnabled());

        // The whole assessment in one go.
        QVERIFY(f.trigger(QStringLiteral("AllABCsmenuItem")));
        QVERIFY(f.find(QStringLiteral("SHAKE"))->isVisible());
        f.wait(2000);
        QVERIFY(messages->toPlainText().startsWith(QStringLiteral("Patient is unresponsive.")));
        f.wait(10000);
        QVERIFY(messages->toPlainText().contains(QStringLiteral("Pulse rate is 0.")));
        QVERIFY(s.state.ventilated && s.state.circulationChecked);

        QVERIFY(f.trigger(QStringLiteral("StartCPRMenuItem")));
        QVERIFY(f.find(QStringLiteral("CPRHAND2"))->isVisible());
        f.wait(1000);
        QVERIFY(f.trigger(QStringLiteral("StopCPRMenuItem")));
        QVERIFY(!f.find(QStringLiteral("CPRHAND2"))->isVisible());

        // The trainer: power-on and self-test, then the electrodes.
        QVERIFY(f.press(QStringLiteral("PowerButton")));
        QVERIFY(f.find(QStringLiteral("aed2"))->isVisible());
        f.wait(150);
        QCOMPARE(f.text(QStringLiteral("AEDDISPLAY0")), QStringLiteral("BATTERY OK"));
        QCOMPARE(f.text(QStringLiteral("AEDDISPLAY1")), QStringLiteral("SELF-TEST"));
        f.wait(2000);
        QCOMPARE(f.text(QStringLiteral("AEDDISPLAY1")), QStringLiteral("CONNECT ELECTRODES"));
        QCOMPARE(f.sound.played.back(), std::string("connecte.wav"));
        dropPad(f, "PADWHITE", QStringLiteral("PADWhiteZone"));
        QVERIFY(f.find(QStringLiteral("CABLEWHITE"))->isVisible());
        dropPad(f, "PADRED", QStringLiteral("PADRedZONE"));
        QVERIFY(f.find(QStringLiteral("PadSMALL"))->isVisible());
        QVERIFY(!f.find(QStringLiteral("PADRED"))->isVisible());
        f.wait(1500);
        QCOMPARE(f.text(QStringLiteral("AEDDISPLAY1")), QStringLiteral("PUSH ANALYZE"));

        // Clear, analyze, and the advised shock.
        QVERIFY(f.click(QStringLiteral("CLEARButton")));
        QVERIFY(f.press(QStringLiteral("AnalyzeButton")));
        f.wait(500);
        QCOMPARE(f.text(QStringLiteral("AEDDISPLAY1")), QStringLiteral("STAND CLEAR"));
        f.wait(4000);
        QCOMPARE(f.text(QStringLiteral("AEDDISPLAY1")), QStringLiteral("ANALYZING NOW"));
        QVERIFY(f.click(QStringLiteral("CLEARButton")));
        f.wait(5000);
        QCOMPARE(f.text(QStringLiteral("AEDDISPLAY1")), QStringLiteral("SHOCK ADVISED"));
        f.wait(11500);
        QCOMPARE(f.text(QStringLiteral("AEDDISPLAY1")), QStringLiteral("PUSH TO SHOCK"));
        QVERIFY(f.click(QStringLiteral("CLEARButton")));
        QVERIFY(f.press(QStringLiteral("ShockButton")));
        QCOMPARE(f.sound.played.back(), std::string("click.wav"));
        f.wait(1000);
        QCOMPARE(f.text(QStringLiteral("NumShockLabel")), QStringLiteral("#1"));
        QCOMPARE(s.state.rhythmState, u8(RhythmRestored));

        QVERIFY(f.click(QStringLiteral("EndButton")));
        if (f.find(QStringLiteral("FINALERRORPanel"))->isVisible())
            QVERIFY(f.click(QStringLiteral("FinalErrorOKButton")));
        auto* summary = f.find(QStringLiteral("TForm2"));
        QVERIFY(summary && summary->isVisible());
        QCOMPARE(summary->findChild<QLineEdit*>(QStringLiteral("NAMEEDIT"))->text(), QStringLiteral("Pat Doe"));
        QCOMPARE(summary->findChild<QLineEdit*>(QStringLiteral("SCOREEDIT"))->text(), QString::number(s.state.score));
        QCOMPARE(summary->findChild<QLineEdit*>(QStringLiteral("SHOCKTIMEEDIT"))->text(),
                 QString::fromStdString(shockTimesText(s.state)));
        QCOMPARE(summary->findChild<QLineEdit*>(QStringLiteral("ElapsedTimeEDIT"))->text(),
                 QString::fromStdString(s.state.elapsedTimeText));
        const QStringList errors = listLines(summary->findChild<QListWidget*>(QStringLiteral("Errors")));
        QVERIFY2(errors.filter(QStringLiteral("fast first shock")).size() == 1, qPrintable(errors.join('\n')));
        QVERIFY(f.dialogs.messages.empty());
        // Practice results reach the scoreboard and the report files.
        QVERIFY(QFile::exists(f.dir.filePath(QStringLiteral("SCOREBRD.DAT"))));
        QVERIFY(QFile::exists(f.dir.filePath(QStringLiteral("AEDPRAC.TXT"))));
        QVERIFY(QFile::exists(f.dir.filePath(QStringLiteral("AEDPRAC2.TXT"))));

        QTest::mouseClick(summary->findChild<QPushButton*>(QStringLiteral("MainMenu")), Qt::LeftButton);
        QVERIFY(!summary->isVisible());
        QVERIFY(f.find(QStringLiteral("MENU"))->isVisible());
    }

    void keyboardReachesTheTrainerAndThePads()
    {
        Fixture f;
        Scenario& s = f.s();
        QVERIFY(!f.window->findChild<QAction*>(QStringLiteral("PowerAction"))->isEnabled());
        QVERIFY(f.click(QStringLiteral("MenuStart")));
        auto* registration = f.find(QStringLiteral("TUserNAMEFORM"));
        QTest::keyClicks(registration->findChild<QLineEdit*>(QStringLiteral("NameEdit")), QStringLiteral("Pat"));
        QTest::keyClick(registration->findChild<QLineEdit*>(QStringLiteral("NameEdit")), Qt::Key_Return);
        QVERIFY(!registration->isVisible());
        f.window->run("MainMSGDisplayClick");
        QVERIFY(f.window->findChild<QAction*>(QStringLiteral("PowerAction"))->isEnabled());
        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        QTest::keyClick(f.window.get(), Qt::Key_F5);
        QVERIFY(s.state.aedPowerOn);
        QVERIFY(f.trigger(QStringLiteral("PADWHITEToPADWhiteZone")));
        QVERIFY(f.trigger(QStringLiteral("PADREDToPADRedZONE")));
        QVERIFY(s.state.topPadAttached && s.state.bottomPadAttached);
        QVERIFY(!f.window->findChild<QMenu*>(QStringLiteral("PADWHITEMenu"))->isEnabled());
    }

    // A line break or tab pasted into the name or ID becomes a blank; other control characters go.
    void theRegistrationKeepsPrintableCharactersOnly()
    {
        Fixture f;
        QVERIFY(f.click(QStringLiteral("MenuStart")));
        auto* registration = f.find(QStringLiteral("TUserNAMEFORM"));
        auto* name = registration->findChild<QLineEdit*>(QStringLiteral("NameEdit"));
        auto* id = registration->findChild<QLineEdit*>(QStringLiteral("IDEdit"));
        name->insert(QStringLiteral("Pat\nDoe\u0007"));
        id->insert(QStringLiteral("12\t34\u2028"));
        QCOMPARE(name->text(), QStringLiteral("Pat Doe"));
        QCOMPARE(id->text(), QStringLiteral("12 34 "));
        QTest::mouseClick(registration->findChild<QPushButton*>(QStringLiteral("OKButton")), Qt::LeftButton);
        QCOMPARE(f.s().state.userName, std::string("Pat Doe"));
        QCOMPARE(f.s().state.userIdNumber, std::string("12 34"));
    }

    void pauseStopsTheClockAndTheTrainer()
    {
        Fixture f;
        Scenario& s = f.s();
        s.options.setText(s.options.OptTroubleOdds, "0");
        QVERIFY(f.click(QStringLiteral("MenuStart")));
        auto* registration = f.find(QStringLiteral("TUserNAMEFORM"));
        QTest::keyClicks(registration->findChild<QLineEdit*>(QStringLiteral("NameEdit")), QStringLiteral("Pat"));
        QTest::mouseClick(registration->findChild<QPushButton*>(QStringLiteral("OKButton")), Qt::LeftButton);
        QTest::mouseClick(f.find<QPlainTextEdit>(QStringLiteral("MainMSGDisplay"))->viewport(), Qt::LeftButton);
        QVERIFY(f.press(QStringLiteral("PowerButton")));
        f.wait(100);
        QVERIFY(f.trigger(QStringLiteral("Pause")));
        QVERIFY(f.window->findChild<QAction*>(QStringLiteral("Pause"))->isChecked());
        QVERIFY(!f.find(QStringLiteral("PulseButton"))->isEnabled());
        f.wait(60000);
        QCOMPARE(f.text(QStringLiteral("AEDDISPLAY1")), QString());
        QCOMPARE(s.state.elapsedSeconds, 0);
        QVERIFY(f.trigger(QStringLiteral("Pause")));
        f.wait(150);
        QCOMPARE(f.text(QStringLiteral("AEDDISPLAY1")), QStringLiteral("SELF-TEST"));
    }
};

QTEST_MAIN(ScenarioWindowTest)
#include "test_scenario.moc"
