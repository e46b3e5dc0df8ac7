// What the trainee sees besides the device: the score log and the last change beside the score,
// the caption line of the prompts, a dead sound output, the armed Shock button and the jolt of a
// shock, the keyboard start, and the window laid out at the screen sizes trainees have.
#include <QDropEvent>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTimer>

#include "device/display.h"
#include "engine/flow.h"
#include "engine/layout.h"
#include "ui/password.h"
#include "ui/stage.h"
#include "uitest.h"

using namespace defib;
using defib::uitest::Fixture;

namespace {

// A scenario of one shock, registered and drawn, waiting for the start click.
struct Ready : Fixture {
    Ready()
    {
        s().options.setText(s().options.OptTroubleOdds, "0");
        s().options.setChecked(s().options.OPTOneShockScenario, true);
        s().options.optionsDirty = false;
        registerUser(s(), "Pat", "", false);
        s().ui.MENU.visible = false;
        startNewScenario(s());
        window->sync();
    }
    QPlainTextEdit* messages() { return find<QPlainTextEdit>(QStringLiteral("MainMSGDisplay")); }
    void start() { QTest::mouseClick(messages()->viewport(), Qt::LeftButton); }
    QListWidget* log() { return find<QListWidget>(QStringLiteral("ScoreLog")); }
    // The trainer on, self-tested and with both pads on, as after the assessment and CPR.
    void trainerReady()
    {
        Scenario& sc = s();
        for (bool* done : {&sc.state.responsivenessChecked, &sc.state.airwayOpened, &sc.state.breathingChecked,
                           &sc.state.ventilated, &sc.state.circulationChecked, &sc.state.cprPerformed})
            *done = true;
        QVERIFY(press(QStringLiteral("PowerButton")));
        wait(2200);
        dropPad(QStringLiteral("PADWHITE"), QStringLiteral("PADWhiteZone"));
        dropPad(QStringLiteral("PADRED"), QStringLiteral("PADRedZONE"));
        wait(1500);
    }
    // A real drop event at the middle of a zone, between the start and the end of the drag.
    void dropPad(const QString& pad, const QString& zone, QPointF at = {-1, -1})
    {
        window->run(pad.toStdString() + "StartDrag");
        QWidget* target = find(zone);
        QMimeData data;
        data.setData(ui::padMimeType, pad.toUtf8());
        if (at.x() < 0)
            at = QPointF(target->rect().center());
        QDragEnterEvent enter(at.toPoint(), Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDropEvent drop(at, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        window->run(pad.toStdString() + "EndDrag");
    }
};

QStringList rows(QListWidget* list)
{
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines;
}

const QString minus = QStringLiteral("\u2212");

} // namespace

class FeedbackTest : public QObject {
    Q_OBJECT
private slots:
    void theScoreLogShowsEveryChangeNewestFirst()
    {
        Ready f;
        f.s().state.stepPoints = 60;
        f.start();
        // A step in order earns its points; a pad on the belly costs 100.
        QVERIFY(f.trigger(QStringLiteral("ABCsResponsivenessMenuItem")));
        f.wait(3000);
        f.dropPad(QStringLiteral("PADWHITE"), QStringLiteral("PATIENTTorsoZONE"));
        QCOMPARE(f.log()->count(), static_cast<int>(f.s().scoreLog.size()));
        QVERIFY(f.log()->count() >= 2);
        const QStringList shown = rows(f.log());
        QVERIFY2(shown.last().contains(QStringLiteral("+60")) && shown.last().contains(QStringLiteral("Response")),
                 qPrintable(shown.join(QLatin1Char('|'))));
        QVERIFY2(shown.first().contains(minus) && shown.first().startsWith(QStringLiteral("0:03")),
                 qPrintable(shown.first()));
        // The penalty's own text is its reason; the sign does not rely on the colour.
        QVERIFY(shown.first().contains(QString::fromStdString(f.s().scoreLog.back().reason)));
        QVERIFY(shown.first().contains(QStringLiteral("\u25BC")));
        QVERIFY(shown.last().contains(QStringLiteral("\u25B2")));
        QCOMPARE(f.log()->item(0)->foreground().color(), QColor(0xB7, 0x1C, 0x1C));
        QCOMPARE(f.log()->item(f.log()->count() - 1)->foreground().color(), QColor(0x1B, 0x5E, 0x20));
        // The last change stands beside the score for a few seconds.
        QLabel* change = f.find<QLabel>(QStringLiteral("ScoreChange"));
        QVERIFY(change->isVisible());
        QVERIFY(change->text().contains(minus));
        f.wait(4100);
        QVERIFY(!change->isVisible());
        // The messages keep behaving as before: only the last text is there.
        QCOMPARE(f.messages()->toPlainText(), QString::fromStdString(f.s().ui.MainMSGDisplay.text()));
        // A new scenario starts with an empty log.
        startNewScenario(f.s());
        f.window->sync();
        QCOMPARE(f.log()->count(), 0);
    }

    void theCaptionLineShowsEveryPromptWithOrWithoutAudio()
    {
        const char* files[] = {"connecte.wav", "connectE.wav", "pushanal.wav", "pushanaB.wav", "bepclear.wav",
                               "analyzeN.wav", "motion.wav",   "MOTION.WAV",   "shockadv.wav", "noshockA.wav",
                               "SWEEP.wav",    "standcle.wav", "shkwarn.wav",  "click.wav",    "CLICK.WAV",
                               "checkfor.wav", "ifnopls.wav",  "ifnoplsS.wav", "battrepl.wav"};
        for (bool audio : {true, false}) {
            Ready f;
            f.s().options.setChecked(f.s().options.SOUNDCheckBox, audio);
            QLabel* caption = f.find<QLabel>(QStringLiteral("PromptCaption"));
            QVERIFY(!caption->isVisible());
            for (const char* file : files) {
                prompt(f.s(), file);
                f.window->sync();
                QVERIFY2(caption->isVisible(), file);
                QCOMPARE(caption->accessibleName(), QString::fromStdString(promptCaption(file)));
                QVERIFY(caption->text().contains(QString::fromStdString(promptCaption(file))));
            }
            QCOMPARE(f.sound.played.size(), audio ? std::size(files) : 0u);
            stopPrompt(f.s());
            f.window->sync();
            QVERIFY(!caption->isVisible());
        }
    }

    void aDeadSoundOutputIsToldOnceAndTheSilentTextsAppear()
    {
        Ready f;
        f.sound.dead = true;
        f.start();
        f.trainerReady();
        QCOMPARE(f.dialogs.messages, (std::vector<std::string>{soundOutputFailedText}));
        QCOMPARE(f.find<QLabel>(QStringLiteral("PromptCaption"))->text().contains(QStringLiteral("Push analyze")),
                 true);
        QVERIFY(f.click(QStringLiteral("CLEARButton")));
        QVERIFY(f.press(QStringLiteral("AnalyzeButton")));
        f.wait(12600);
        QCOMPARE(f.messages()->toPlainText(), QStringLiteral("AED is charging..."));
        f.wait(8500);
        QCOMPARE(f.messages()->toPlainText(), QStringLiteral("AED is ready to SHOCK..."));
        QCOMPARE(f.dialogs.messages.size(), 1u);
        QCOMPARE(f.sound.played.size(), 1u);
        // The Audio option is left as it was: nothing for the option files to keep.
        QVERIFY(f.s().option(f.s().options.SOUNDCheckBox));
        QVERIFY(!f.s().options.optionsDirty);
    }

    void theArmedShockButtonPulsesAndAShockJoltsThePatient()
    {
        Ready f;
        f.start();
        f.trainerReady();
        auto* pulse = f.find<ui::Glow>(QStringLiteral("ShockPulse"));
        QVERIFY(f.click(QStringLiteral("CLEARButton")));
        QVERIFY(f.press(QStringLiteral("AnalyzeButton")));
        f.wait(9500 + 3000);
        // Charging: no pulse yet, and a press only says to wait.
        QVERIFY(!pulse->isVisible());
        QVERIFY(f.press(QStringLiteral("ShockButton")));
        QCOMPARE(f.find<QLabel>(QStringLiteral("PromptCaption"))->accessibleName(), QString(chargingCaption));
        f.wait(8500);
        QCOMPARE(f.text(QStringLiteral("AEDDISPLAY1")), QStringLiteral("PUSH TO SHOCK"));
        QVERIFY(pulse->isVisible());
        // It pulses in the window's own time.
        const double first = pulse->level();
        QTRY_VERIFY(pulse->level() != first);
        QVERIFY(pulse->geometry().contains(f.find(QStringLiteral("ShockButton"))->geometry()));
        QVERIFY(!f.window->jolting());
        QVERIFY(f.click(QStringLiteral("CLEARButton")));
        QVERIFY(f.press(QStringLiteral("ShockButton")));
        QCOMPARE(f.s().state.shockCount, u8(1));
        QVERIFY(f.window->jolting());
        QVERIFY(f.find(QStringLiteral("ShockFlash"))->isVisible());
        QVERIFY(!pulse->isVisible());
        QTRY_VERIFY(!f.window->jolting());
        QVERIFY(!f.find(QStringLiteral("ShockFlash"))->isVisible());
        // The patient is back where the core has it.
        QWidget* patient = f.find(QStringLiteral("Patient1"));
        const Control& body = f.s().ui.Patient1;
        if (body.visible)
            QCOMPARE(f.window->designRect(patient).topLeft(), QPoint(body.left, body.top));
    }

    void theScenarioStartsFromTheKeyboard()
    {
        Ready f;
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(f.messages()));
        QTest::keyClick(f.messages(), Qt::Key_Return);
        QVERIFY(f.s().timers.ELAPSEDSecTIMER.enabled());
        QVERIFY(f.find(QStringLiteral("CPRButton"))->isEnabled());
        QVERIFY(f.messages()->focusPolicy() == Qt::NoFocus);

        Ready g;
        QVERIFY(g.window->findChild<QAction*>(QStringLiteral("StartScenario"))->isEnabled());
        QCOMPARE(g.window->findChild<QAction*>(QStringLiteral("StartScenario"))->shortcut(), QKeySequence(Qt::Key_F2));
        QVERIFY(g.trigger(QStringLiteral("StartScenario")));
        QVERIFY(g.s().timers.ELAPSEDSecTIMER.enabled());
        QVERIFY(!g.window->findChild<QAction*>(QStringLiteral("StartScenario"))->isEnabled());
        // Alt+T is the Troubleshoot button's; the history has a key of its own.
        QCOMPARE(g.find<QPushButton>(QStringLiteral("TROUBLEShootButton"))->text(), QStringLiteral("&Troubleshoot"));
        QCOMPARE(g.find<QMenu>(QStringLiteral("TrainerMenu"))->title(), QStringLiteral("Tra&iner"));
        QVERIFY(!g.window->findChild<QAction*>(QStringLiteral("PatientHistory"))->shortcut().isEmpty());
    }

    // Every item of the action buttons' menus has a letter of its own to choose it with.
    void everyMenuItemHasAKeyboardLetter()
    {
        Ready f;
        for (const char* name : {"CPRMenu", "ABCsMenu", "TROUBLESHOOTMenu"}) {
            auto* menu = f.find<QMenu>(QString::fromLatin1(name));
            QVERIFY(menu);
            QSet<QChar> letters;
            for (QAction* action : menu->actions()) {
                if (action->isSeparator())
                    continue;
                const QString text = action->text();
                const qsizetype amp = text.indexOf(QLatin1Char('&'));
                QVERIFY2(amp >= 0 && amp + 1 < text.size(), qPrintable(text));
                const QChar letter = text.at(amp + 1).toLower();
                QVERIFY2(!letters.contains(letter), qPrintable(text));
                letters.insert(letter);
            }
        }
        QCOMPARE(f.find<QMenu>(QStringLiteral("TROUBLESHOOTMenu"))->actions().size(), 3);
    }

    // The ring is read from the button as drawn: inside its thin border, the ring's blue or the face.
    void theFocusRingShowsOnlyWhereTheKeyboardBroughtTheFocus()
    {
        const auto ringShown = [](QPushButton* button) {
            const QImage drawn = button->grab().toImage();
            return drawn.pixelColor(1, drawn.height() / 2) == QColor(0x2D, 0x6C, 0xB0);
        };
        Ready f;
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        f.start();
        // Started by a click: CPR takes the keyboard but does not look held down.
        auto* cpr = f.find<QPushButton>(QStringLiteral("CPRButton"));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(cpr));
        QVERIFY(!ringShown(cpr));
        QTest::keyClick(cpr, Qt::Key_Tab);
        auto* pulse = f.find<QPushButton>(QStringLiteral("PulseButton"));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(pulse));
        QVERIFY(ringShown(pulse));
        QVERIFY(!ringShown(cpr));
        // A click moves the focus without a ring.
        auto* bp = f.find<QPushButton>(QStringLiteral("BPButton"));
        QVERIFY(f.click(QStringLiteral("BPButton")));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(bp));
        QVERIFY(!ringShown(bp));
        QVERIFY(!ringShown(pulse));

        // Started with Enter, the keyboard user sees where the focus went.
        Ready g;
        QVERIFY(QTest::qWaitForWindowActive(g.window.get()));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(g.messages()));
        QTest::keyClick(g.messages(), Qt::Key_Return);
        auto* first = g.find<QPushButton>(QStringLiteral("CPRButton"));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(first));
        QVERIFY(ringShown(first));
    }

    void closingDuringAScenarioAsksFirst()
    {
        Ready f;
        f.start();
        // No: the window and the scenario stay.
        f.dialogs.answers.push_back(false);
        QVERIFY(!f.window->close());
        QCOMPARE(f.dialogs.questions.back(), std::string(endAndQuitQuestion));
        QVERIFY(f.window->isVisible());
        QVERIFY(f.s().timers.ELAPSEDSecTIMER.enabled());
        QVERIFY(!f.s().ui.quitRequested);
        // Yes: the scenario is recorded as terminated and the program ends.
        f.dialogs.answers.push_back(true);
        QVERIFY(f.window->close());
        QVERIFY(f.s().ui.quitRequested);
        QVERIFY(f.s().state.reportLine.find("Scenario terminated") != std::string::npos);
        // From the main menu nothing is asked.
        Fixture g;
        g.window->sync();
        QVERIFY(g.window->close());
        QVERIFY(g.dialogs.questions.empty());
    }

    void leavingATestHalfDoneAsksFirstAndRecordsIt()
    {
        // Test scenario 1 of three ended, its summary on screen.
        Fixture f;
        f.dialogs.answers.push_back(true);
        registerUser(f.s(), "Sam", "7", true);
        startNewScenario(f.s());
        f.window->run("MainMSGDisplayClick");
        f.window->run("EndButtonClick");
        f.window->run("FinalErrorOKButtonClick");
        QVERIFY(f.shown(QStringLiteral("TForm2")));
        QCOMPARE(int(f.s().state.examScenarioNumber), 1);
        // Main Menu, answered No: the summary and the test stay.
        f.dialogs.answers.push_back(false);
        auto* mainMenu = f.window->findChild<QPushButton*>(QStringLiteral("MainMenu"));
        QTest::mouseClick(mainMenu, Qt::LeftButton);
        QCOMPARE(f.dialogs.questions.back(), leaveExamQuestion(f.s()));
        QVERIFY(f.shown(QStringLiteral("TForm2")));
        // The main window's frame, answered No, then Yes: the test is recorded as abandoned once.
        f.dialogs.answers.push_back(false);
        QVERIFY(!f.window->close());
        QVERIFY(f.window->isVisible());
        f.dialogs.answers.push_back(true);
        const std::size_t asked = f.dialogs.questions.size();
        QVERIFY(f.window->close());
        QCOMPARE(f.dialogs.questions.size(), asked + 1);
        QFile report(f.dir.filePath(QStringLiteral("AEDTEST.TXT")));
        QVERIFY(report.open(QIODevice::ReadOnly));
        const QByteArray lines = report.readAll();
        QCOMPARE(lines.count("Test abandoned"), 1);
        QVERIFY(lines.endsWith("Test abandoned\r\n"));
    }

    void theDebugWindowIsClosedToATest()
    {
        Ready f;
        auto* debug = f.window->findChild<QAction*>(QStringLiteral("DebugWindow"));
        QVERIFY(debug->isEnabled());
        f.dialogs.answers.push_back(true);
        registerUser(f.s(), "Sam", "", true);
        startNewScenario(f.s());
        f.window->sync();
        QVERIFY(!f.s().state.practiceMode);
        QVERIFY(!debug->isEnabled());
        debug->trigger();
        QVERIFY(!f.shown(QStringLiteral("TFormdebug")));
    }

    void theWrongPasswordMessageBelongsToTheDialog()
    {
        QTemporaryDir dir;
        ui::TForm1 window(dir.path(), ui::WindowServices{nullptr, nullptr, nullptr, nullptr, nullptr, false});
        window.show();
        Scenario& s = window.scenario();
        s.options.setText(s.options.PASSWORD, "nurse");
        s.options.optionsDirty = false;
        window.sync();
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("OPTIONSMainMENU")), Qt::LeftButton);
        auto* dialog = window.findChild<ui::TPasswordDlg*>(QStringLiteral("TPasswordDlg"));
        QVERIFY(dialog && dialog->isVisible());
        QTest::keyClicks(dialog->findChild<QLineEdit*>(QStringLiteral("PasswordEnter")), QStringLiteral("doctor"));
        QWidget* boxParent = nullptr;
        QString boxText;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            boxParent = box->parentWidget();
            boxText = box->text();
            box->accept();
        });
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("OKBtn")), Qt::LeftButton);
        QCOMPARE(boxText, QStringLiteral("That is not the correct password."));
        QCOMPARE(boxParent, static_cast<QWidget*>(dialog));
        QVERIFY(dialog->isVisible());
    }

    // The window at the screens trainees have, in logical pixels: 1280 x 720 at 100 %, 1366 x 768
    // at 125 % and 3840 x 2160 at 200 %, less a window frame and a panel.
    void theWindowFitsEveryScreen_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<double>("scale");
        QTest::newRow("1280x720 at 100 %") << QSize(1280, 720) << 1.0;
        QTest::newRow("1366x768 at 125 %") << QSize(1366, 768) << 1.25;
        QTest::newRow("3840x2160 at 200 %") << QSize(3840, 2160) << 2.0;
    }
    void theWindowFitsEveryScreen()
    {
        QFETCH(QSize, screen);
        QFETCH(double, scale);
        Ready f;
        const QSize logical(static_cast<int>(screen.width() / scale), static_cast<int>(screen.height() / scale));
        // A title bar, a border and a panel of the desktop.
        const QSize room = logical - QSize(8, 30 + 32);
        QVERIFY2(f.window->minimumSizeHint().width() <= room.width()
                     && f.window->minimumSizeHint().height() <= room.height(),
                 qPrintable(QStringLiteral("%1x%2")
                                .arg(f.window->minimumSizeHint().width())
                                .arg(f.window->minimumSizeHint().height())));
        f.window->resize(room);
        QCOMPARE(f.window->size(), room);
        QApplication::processEvents();
        const QRect inside = f.window->rect();
        for (const char* name : {"CPRButton", "PulseButton", "ABCsButton", "BPButton", "TROUBLEShootButton",
                                 "VOICEButton", "CLEARButton", "EndButton"}) {
            auto* button = f.find<QPushButton>(QString::fromLatin1(name));
            const QRect at(button->mapTo(f.window.get(), QPoint(0, 0)), button->size());
            QVERIFY2(inside.contains(at), name);
            // The caption is whole.
            QVERIFY2(button->width()
                         >= button->fontMetrics().horizontalAdvance(button->text().remove(QLatin1Char('&'))),
                     name);
        }
        // The side panel and the picture area do not overlap, and the picture area keeps its aspect.
        QWidget* side = f.find(QStringLiteral("SidePanel"));
        ui::Stage* stage = f.window->stage();
        QVERIFY(!QRect(side->mapTo(f.window.get(), QPoint(0, 0)), side->size())
                     .intersects(QRect(stage->mapTo(f.window.get(), QPoint(0, 0)), stage->size())));
        const QRect device = f.find(QStringLiteral("AED"))->geometry();
        QVERIFY(stage->rect().contains(device));
        QVERIFY(qAbs(device.width() * 400.0 / device.height() - 500.0) < 6);
        QVERIFY(f.find(QStringLiteral("ScoreLog"))->height() >= 60);
        // A large screen is filled.
        if (scale == 2.0)
            QVERIFY(stage->scale() > 1.3);
    }

    // While a pad is carried both free zones are lit, drawn on screen; a pad let go 15 px below
    // the upper right zone lies where it was let go with the mark of a wrong place over it.
    void aPadInAWrongPlaceLooksWrong()
    {
        Ready f;
        f.start();
        Scenario& sc = f.s();
        for (bool* done : {&sc.state.responsivenessChecked, &sc.state.airwayOpened, &sc.state.breathingChecked,
                           &sc.state.ventilated, &sc.state.circulationChecked, &sc.state.cprPerformed})
            *done = true;
        auto* upper = f.find<ui::DropZone>(QStringLiteral("PADWhiteZone"));
        auto* side = f.find<ui::DropZone>(QStringLiteral("PADRedZONE"));
        QVERIFY(!upper->offered() && !side->offered());
        f.window->run("PADWHITEStartDrag");
        QVERIFY(upper->offered() && side->offered());
        // Drawn: the middle of the zone is no longer see-through.
        QVERIFY(upper->grab().toImage().pixelColor(upper->width() / 2, upper->height() / 2).alpha() > 0);
        f.window->run("PADWHITEEndDrag");
        QVERIFY(!upper->offered());

        const QPoint below(upper->x() + upper->width() / 2, upper->geometry().bottom() + 15);
        QWidget* torso = f.find(QStringLiteral("PATIENTTorsoZONE"));
        f.dropPad(QStringLiteral("PADWHITE"), QStringLiteral("PATIENTTorsoZONE"),
                  torso->mapFrom(torso->parentWidget(), below));
        QCOMPARE(f.s().state.score, -100);
        QVERIFY(!f.s().state.topPadAttached);
        QWidget* pad = f.find(QStringLiteral("PADWHITE"));
        QWidget* mark = f.find(QStringLiteral("PADWHITEMisplaced"));
        QVERIFY(pad->isVisible() && mark->isVisible());
        QVERIFY(mark->geometry().contains(pad->geometry()));
        QVERIFY(f.messages()->toPlainText().contains(QStringLiteral("belongs on the upper right chest")));
        // Placed after all, it looks placed.
        f.dropPad(QStringLiteral("PADWHITE"), QStringLiteral("PADWhiteZone"));
        QVERIFY(f.s().state.topPadAttached);
        QVERIFY(!mark->isVisible());
    }

    void aPadDroppedAtAScaledSizeLandsInItsZone()
    {
        for (QSize size : {QSize(1000, 560), QSize(1900, 1020)}) {
            Ready f;
            f.window->resize(size);
            QApplication::processEvents();
            f.start();
            QWidget* zone = f.find(QStringLiteral("PADWhiteZone"));
            const Control& model = f.s().ui.PADWhiteZone;
            // The zone on screen is the core's zone, scaled.
            QCOMPARE(f.window->designRect(zone), QRect(model.left, model.top, model.width, model.height));
            QVERIFY(qAbs(zone->width() - model.width * f.window->stage()->scale()) <= 1.5);
            // A drop near the zone's lower right corner lands inside the core's zone.
            const QPointF at(zone->width() - 3, zone->height() - 3);
            f.dropPad(QStringLiteral("PADWHITE"), QStringLiteral("PADWhiteZone"), at);
            QVERIFY(f.s().state.topPadAttached);
            QVERIFY2(QRect(model.left, model.top, model.width, model.height)
                         .adjusted(-1, -1, 1, 1)
                         .contains(QPoint(f.s().dropX, f.s().dropY)),
                     qPrintable(QStringLiteral("%1,%2").arg(f.s().dropX).arg(f.s().dropY)));
            QVERIFY(f.find(QStringLiteral("CABLEWHITE"))->isVisible());
        }
    }
};

QTEST_MAIN(FeedbackTest)
#include "test_feedbackwindow.moc"
