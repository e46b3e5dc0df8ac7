// The scenario editor: opened from Options > Scenarios... behind the options password, a scenario of
// four frames built through its widgets, saved, opened again from the list, checked live, printed,
// and tried at once as the next patient.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPrintDialog>
#include <QSpinBox>

#include "engine/flow.h"
#include "engine/scenarioedit.h"
#include "engine/scenariofile.h"
#include "ui/password.h"
#include "ui/qtreport.h"
#include "ui/scenarioeditor.h"
#include "uitest.h"

using namespace defib;
using defib::uitest::Fixture;

namespace {

// The main window with a scenario pack of its own (one scenario and one damaged file) beside the
// instructor's own folder.
struct Editing : Fixture {
    Editing()
    {
        s().scenarioPack = pack.path().toStdString();
        ScenarioSpec packed = blankScenario();
        packed.title = "Packed VF";
        std::string error;
        writeScenarioFile(pack.filePath(QStringLiteral("packed.json")).toStdString(), packed, error);
        QFile bad(pack.filePath(QStringLiteral("bad.json")));
        bad.open(QIODevice::WriteOnly);
        bad.write(R"({"format": 1, "title": "x", "patient": {"kind": "adult"}, "frames": [{"rhythm": "fast"}]})");
        bad.close();
    }
    ui::TScenarioEditor* editor() { return window->scenarioEditor(); }
    template <class T = QWidget> T* in(const QString& name)
    {
        T* found = editor()->findChild<T*>(name);
        if (!found)
            qWarning("no editor widget named %s", qPrintable(name));
        return found;
    }
    bool press(const QString& name)
    {
        auto* button = in<QPushButton>(name);
        if (!button || !button->isVisible() || !button->isEnabled())
            return false;
        QTest::mouseClick(button, Qt::LeftButton);
        return true;
    }
    void type(const QString& name, const QString& text)
    {
        auto* edit = in<QLineEdit>(name);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
    void setExit(const QString& name, bool on, int count = 0)
    {
        auto* check = in<QCheckBox>(name);
        if (check->isChecked() != on)
            QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, check->height() / 2));
        if (on && count > 0)
            in<QSpinBox>(name + QStringLiteral("Count"))->setValue(count);
    }
    QListWidgetItem* listed(const QString& text)
    {
        auto* list = in<QListWidget>(QStringLiteral("ScenarioList"));
        for (int row = 0; row < list->count(); ++row)
            if (list->item(row)->text() == text)
                return list->item(row);
        return nullptr;
    }
    void choose(QListWidgetItem* item)
    {
        auto* list = in<QListWidget>(QStringLiteral("ScenarioList"));
        list->scrollToItem(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    }
    std::string own() { return s().ownScenarios; }

    QTemporaryDir pack;
};

} // namespace

class ScenarioEditorTest : public QObject {
    Q_OBJECT
private slots:
    void opensBehindTheOptionsPasswordFromTheOptionsMenu()
    {
        Editing e;
        e.s().options.setText(e.s().options.PASSWORD, "nurse");
        e.s().options.optionsDirty = false;
        e.window->sync();
        QVERIFY(e.trigger(QStringLiteral("Scenarios")));
        QVERIFY(!e.editor());
        auto* dialog = e.find<ui::TPasswordDlg>(QStringLiteral("TPasswordDlg"));
        QVERIFY(dialog->isVisible());
        QTest::keyClicks(dialog->findChild<QLineEdit*>(QStringLiteral("PasswordEnter")), QStringLiteral("nurse"));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("OKBtn")), Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
        QVERIFY(e.editor() && e.editor()->isVisible());
        QVERIFY(!e.shown(QStringLiteral("PageControl1")));
        // The main menu waits while the editor is open, and the menu item with it.
        QVERIFY(!e.window->findChild<QAction*>(QStringLiteral("Scenarios"))->isEnabled());
        QVERIFY(e.click(QStringLiteral("MenuStart")));
        QVERIFY(!e.shown(QStringLiteral("TUserNAMEFORM")));

        // The pack is read-only and marked so; a damaged file is listed with its one message.
        QVERIFY(e.listed(QStringLiteral("Packed VF  [read-only]")));
        QVERIFY(e.listed(QStringLiteral("Cannot be read: bad.json: frames[0].rhythm: \"fast\" is not known: it takes "
                                        "shockable, non-shockable or pulse")));
        QCOMPARE(e.editor()->plan().title, std::string("Packed VF"));
        QVERIFY(e.editor()->readOnly());
        // Save on a read-only scenario asks for a name in the own folder.
        e.type(QStringLiteral("Goal"), QStringLiteral("Early shock"));
        QVERIFY(e.press(QStringLiteral("Save")));
        QCOMPARE(e.files.offered.back(), e.own() + "/Packed VF.json");
        QCOMPARE(e.files.filters.back(), std::string("Scenario file|*.json"));
        QVERIFY(e.editor()->dirty());
        // Save As into the pack is refused: the pack stays as it came.
        e.files.names.push_back(e.pack.filePath(QStringLiteral("mine.json")).toStdString());
        QVERIFY(e.press(QStringLiteral("SaveAs")));
        QVERIFY(!QFile::exists(e.pack.filePath(QStringLiteral("mine.json"))));
        QVERIFY(e.dialogs.messages.back().find("scenario pack is not changed") != std::string::npos);

        // Closing with unsaved changes asks; No keeps the editor open.
        QVERIFY(e.press(QStringLiteral("Close")));
        QVERIFY(e.dialogs.questions.back().find("are not saved") != std::string::npos);
        QVERIFY(e.editor()->isVisible());
        e.dialogs.answers.push_back(true);
        QVERIFY(e.press(QStringLiteral("Close")));
        QVERIFY(!e.editor()->isVisible());
        QVERIFY(e.s().ui.MENU.visible);
        QVERIFY(e.window->findChild<QAction*>(QStringLiteral("Scenarios"))->isEnabled());
    }

    void buildsSavesReopensAndTriesAScenarioOfFourFrames()
    {
        Editing e;
        registerUser(e.s(), "Pat", "1", false);
        QVERIFY(e.trigger(QStringLiteral("Scenarios")));
        QVERIFY(e.editor()->isVisible());
        QVERIFY(e.press(QStringLiteral("New")));
        e.type(QStringLiteral("Title"), QStringLiteral("VF, asystole, VF, pulse"));
        e.type(QStringLiteral("Goal"), QStringLiteral("Keep CPR going between rhythms"));
        e.type(QStringLiteral("Guideline"), QStringLiteral("ERC 2025"));
        e.in<QComboBox>(QStringLiteral("Protocol"))->setCurrentIndex(2);
        e.in<QSpinBox>(QStringLiteral("Age"))->setValue(64);
        e.in<QSpinBox>(QStringLiteral("Weight"))->setValue(90);
        e.in<QComboBox>(QStringLiteral("Body"))->setCurrentIndex(1);
        e.in<QComboBox>(QStringLiteral("Sex"))->setCurrentIndex(1);
        e.type(QStringLiteral("History"), QStringLiteral("collapsed at a bus stop."));

        auto* frames = e.in<QListWidget>(QStringLiteral("FrameList"));
        QCOMPARE(frames->count(), 2);
        // Frame 1: VF, left after 15 s or one shock.
        frames->setCurrentRow(0);
        e.setExit(QStringLiteral("ExitSeconds"), true, 15);
        // Frame 2, added after it: asystole, at first without an exit.
        QVERIFY(e.press(QStringLiteral("AddFrame")));
        QCOMPARE(frames->count(), 3);
        QCOMPARE(frames->currentRow(), 1);
        e.in<QComboBox>(QStringLiteral("Rhythm"))->setCurrentIndex(1);
        e.type(QStringLiteral("Note"), QStringLiteral("CPR through asystole"));
        // The live check: beside the exits, and Save disabled with the reason.
        auto* exitsProblem = e.in<QLabel>(QStringLiteral("FrameExitsProblem"));
        QVERIFY(exitsProblem->isVisible());
        QCOMPARE(exitsProblem->text(),
                 QStringLiteral("A frame before the last needs an exit, or the frames after it "
                                "never come"));
        auto* save = e.in<QPushButton>(QStringLiteral("Save"));
        QVERIFY(!save->isEnabled());
        QVERIFY(save->toolTip().startsWith(QStringLiteral("Cannot be saved while a problem stands: frames[1].exits")));
        QVERIFY(!e.in<QPushButton>(QStringLiteral("TryIt"))->isEnabled());
        // Seen from another frame, the problem is named under the list.
        frames->setCurrentRow(0);
        QVERIFY(!exitsProblem->isVisible());
        QVERIFY(e.in<QLabel>(QStringLiteral("FramesProblem"))->text().startsWith(QStringLiteral("Frame 2: ")));
        frames->setCurrentRow(1);
        e.setExit(QStringLiteral("ExitSeconds"), true, 20);
        QVERIFY(!exitsProblem->isVisible());
        QVERIFY(save->isEnabled());
        // A field of the scenario: an empty title is named beside it.
        e.type(QStringLiteral("Title"), QString());
        QVERIFY(e.in<QLabel>(QStringLiteral("TitleProblem"))->isVisible());
        QCOMPARE(e.in<QLabel>(QStringLiteral("TitleProblem"))->text(), QStringLiteral("The title is empty"));
        QVERIFY(!save->isEnabled());
        e.type(QStringLiteral("Title"), QStringLiteral("VF, asystole, VF, pulse"));
        QVERIFY(save->isEnabled());
        // Frame 3: VF again with a loose pad, left after two shocks or by the instructor.
        QVERIFY(e.press(QStringLiteral("AddFrame")));
        e.in<QComboBox>(QStringLiteral("Trouble"))->setCurrentIndex(1);
        e.setExit(QStringLiteral("ExitShocks"), true, 2);
        e.setExit(QStringLiteral("ExitInstructor"), true);
        // Moved down and back up: the order is the one built.
        QVERIFY(e.press(QStringLiteral("FrameDown")));
        QCOMPARE(e.editor()->plan().frames[3].trouble, TroubleElectrode);
        QVERIFY(e.press(QStringLiteral("FrameUp")));
        QCOMPARE(frames->count(), 4);
        const ScenarioSpec built = e.editor()->plan();
        QCOMPARE(built.frames[0].exits.afterShocks, 1);
        QCOMPARE(built.frames[0].exits.afterSeconds, 15);
        QCOMPARE(built.frames[1].rhythm, FrameRhythm::NonShockable);
        QCOMPARE(built.frames[1].note, std::string("CPR through asystole"));
        QCOMPARE(built.frames[2].exits.afterShocks, 2);
        QVERIFY(built.frames[2].exits.instructor);
        QCOMPARE(built.frames[3].rhythm, FrameRhythm::Pulse);
        QCOMPARE(built.patient.sex, std::string("male"));
        QCOMPARE(built.protocol, ScenarioProtocol::SingleShock);

        // Save: a new scenario is named from its title, in the own folder.
        const std::string file = e.own() + "/VF, asystole, VF, pulse.json";
        e.files.names.push_back(file);
        QVERIFY(e.press(QStringLiteral("Save")));
        QCOMPARE(e.files.offered.back(), file);
        QVERIFY(!e.editor()->dirty());
        ScenarioRead read = readScenarioFile(file);
        QVERIFY2(read.plan, read.error.c_str());
        QVERIFY(*read.plan == built);
        QVERIFY(e.listed(QStringLiteral("VF, asystole, VF, pulse")));

        // Opened again from the list, after another: every field as built.
        QVERIFY(e.press(QStringLiteral("New")));
        QCOMPARE(e.editor()->plan().title, std::string("New scenario"));
        e.choose(e.listed(QStringLiteral("VF, asystole, VF, pulse")));
        QVERIFY(e.editor()->plan() == built);
        QCOMPARE(e.editor()->path(), QString::fromStdString(file));
        QCOMPARE(e.in<QLineEdit>(QStringLiteral("Title"))->text(), QStringLiteral("VF, asystole, VF, pulse"));
        QCOMPARE(e.in<QLineEdit>(QStringLiteral("History"))->text(), QStringLiteral("collapsed at a bus stop."));
        QCOMPARE(e.in<QSpinBox>(QStringLiteral("Weight"))->value(), 90);
        QCOMPARE(e.in<QComboBox>(QStringLiteral("Protocol"))->currentIndex(), 2);
        frames->setCurrentRow(2);
        QCOMPARE(e.in<QComboBox>(QStringLiteral("Trouble"))->currentIndex(), 1);
        QVERIFY(e.in<QCheckBox>(QStringLiteral("ExitInstructor"))->isChecked());
        QCOMPARE(e.in<QSpinBox>(QStringLiteral("ExitShocksCount"))->value(), 2);
        QVERIFY(!e.in<QSpinBox>(QStringLiteral("ExitSecondsCount"))->isEnabled());

        // Print: one A4 page through the print dialog, into a PDF here.
        const QString pdf = e.dir.filePath(QStringLiteral("scenario.pdf"));
        e.editor()->printer().runDialog = [&](QPrintDialog& dialog) {
            dialog.printer()->setOutputFormat(QPrinter::PdfFormat);
            dialog.printer()->setOutputFileName(pdf);
            return true;
        };
        QVERIFY(e.press(QStringLiteral("Print")));
        QFile printed(pdf);
        QVERIFY(printed.open(QIODevice::ReadOnly));
        const QByteArray bytes = printed.readAll();
        QVERIFY(bytes.startsWith("%PDF-"));
        QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 1);
        QCOMPARE(e.editor()->printer().printer().pageLayout().pageSize().id(), QPageSize::A4);

        // Try it: the editor closes and the scenario starts as Pat's next patient, in practice.
        QVERIFY(e.press(QStringLiteral("TryIt")));
        QVERIFY(!e.editor()->isVisible());
        QVERIFY(!e.s().ui.MENU.visible);
        QCOMPARE(e.s().state.scenarioTitle, std::string("VF, asystole, VF, pulse"));
        QCOMPARE(e.s().chosenScenarioFile, file);
        QCOMPARE(e.s().state.userName, std::string("Pat"));
        QVERIFY(e.s().state.practiceMode);
        QCOMPARE(e.text(QStringLiteral("PROTOCOLlabel")), QStringLiteral("Protocol: Single shock"));
        e.window->run("MainMSGDisplayClick");
        QCOMPARE(static_cast<int>(e.s().state.frame), 0);
        e.wait(14000);
        QCOMPARE(static_cast<int>(e.s().state.frame), 0);
        e.wait(1500);
        QCOMPARE(static_cast<int>(e.s().state.frame), 1);
        e.wait(20500);
        QCOMPARE(static_cast<int>(e.s().state.frame), 2);
    }

    void duplicatesAndKeepsEverythingWhenTheFileCannotBeWritten()
    {
        Editing e;
        QVERIFY(e.trigger(QStringLiteral("Scenarios")));
        QVERIFY(e.press(QStringLiteral("Duplicate")));
        const std::string copy = e.own() + "/Copy of Packed VF.json";
        QVERIFY(QFile::exists(QString::fromStdString(copy)));
        QCOMPARE(e.editor()->plan().title, std::string("Copy of Packed VF"));
        QVERIFY(!e.editor()->readOnly());
        QVERIFY(e.listed(QStringLiteral("Copy of Packed VF")));
        // A file made read-only is not written; the changes stay in the editor.
        QFile::setPermissions(QString::fromStdString(copy), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
        e.type(QStringLiteral("Goal"), QStringLiteral("Changed"));
        QVERIFY(e.press(QStringLiteral("Save")));
        QVERIFY(e.dialogs.messages.back().find("cannot be saved as " + copy) != std::string::npos);
        QVERIFY(e.dialogs.messages.back().find("Nothing is lost") != std::string::npos);
        QVERIFY(e.editor()->dirty());
        QCOMPARE(e.editor()->plan().goal, std::string("Changed"));
        QVERIFY(readScenarioFile(copy).plan->goal.empty());
        // Opening another scenario with the changes unsaved asks first; No keeps them.
        e.choose(e.listed(QStringLiteral("Packed VF  [read-only]")));
        QVERIFY(e.dialogs.questions.back().find("\"Copy of Packed VF\" are not saved") != std::string::npos);
        QCOMPARE(e.editor()->plan().goal, std::string("Changed"));
        // Closing the program asks too; No keeps the program and the changes.
        const std::size_t asked = e.dialogs.questions.size();
        QVERIFY(!e.window->close());
        QCOMPARE(e.dialogs.questions.size(), asked + 1);
        QVERIFY(e.dialogs.questions.back().find("are not saved") != std::string::npos);
        QVERIFY(e.window->isVisible() && e.editor()->isVisible());
        QVERIFY(!e.s().ui.quitRequested);
    }
};

QTEST_MAIN(ScenarioEditorTest)
#include "test_scenarioeditor.moc"
