// The summary window's debrief: the timeline drawn from the scenario's event log, the measures with
// their targets, the numbered penalties, and Save Debrief as a PNG picture or a one-page PDF.
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QRegularExpression>

#include "engine/flow.h"
#include "ui/timeline.h"
#include "uitest.h"

using namespace defib;
using defib::uitest::Fixture;

namespace {

struct Debrief : Fixture {
    QWidget* summary() { return find(QStringLiteral("TForm2")); }
    ui::TimelineView* timeline() { return summary()->findChild<ui::TimelineView*>(QStringLiteral("Timeline")); }
    QString measure(const char* name) { return summary()->findChild<QLabel*>(QString::fromLatin1(name))->text(); }

    // A practice scenario with two shocks, played through the window: CPR from 5 s to 20 s, the
    // trainer, the first shock at 45.2 s, CPR again from 47.5 s to 77.5 s, the second shock and the
    // conversion, End Scenario at 102.5 s.
    void playTwoShocks()
    {
        Scenario& sc = s();
        sc.options.setText(sc.options.OptTroubleOdds, "0");
        sc.options.setChecked(sc.options.OPTAUTOANALYZE, false);
        sc.registration.NameEdit.setText("Pat Doe");
        sc.registration.PracticeRadioButton.checked = true;
        showRegistration(sc, true);
        window->run("TUserNAMEFORM.OKButtonClick");
        // The draw of an adult needing two shocks.
        sc.state.scenarioKind = KindAdult;
        sc.state.shocksToConvert = 2;
        sc.state.rhythmState = RhythmShockable;
        window->run("MainMSGDisplayClick");
        for (const char* field :
             {"responsivenessChecked", "airwayOpened", "breathingChecked", "ventilated", "circulationChecked"})
            findField(sc.state, field)->assign("true");
        wait(5000);
        window->run("StartCPRMenuItemClick");
        wait(15000);
        window->run("StopCPRMenuItemClick");
        wait(1200);
        window->run("PowerButtonClick");
        dropPads();
        wait(4000);
        window->run("Clearbutton1Click");
        wait(1000);
        window->run("AnalyzeButtonClick");
        wait(18500);
        window->run("Clearbutton1Click");
        wait(500);
        window->run("SHOCKButtonClick");
        wait(2300);
        window->run("StartCPRMenuItemClick");
        wait(30000);
        window->run("Clearbutton1Click");
        wait(1000);
        window->run("AnalyzeButtonClick");
        wait(18500);
        window->run("Clearbutton1Click");
        wait(500);
        window->run("SHOCKButtonClick");
        wait(5000);
        window->run("EndButtonClick");
        if (sc.ui.FINALERRORPanel.visible)
            window->run("FinalErrorOKButtonClick");
    }
    // A practice scenario played to its first shock: the ABCs set, CPR from 5 s, the trainer at
    // `analyzeAt` ms, the shock 20 s after the Analyze press, cleared or not.
    void playToFirstShock(int analyzeAt, bool cleared, bool singleShock = false)
    {
        Scenario& sc = s();
        sc.options.setText(sc.options.OptTroubleOdds, "0");
        sc.options.setChecked(sc.options.OPTAUTOANALYZE, false);
        sc.options.setChecked(sc.options.OptSingleShock, singleShock);
        sc.registration.NameEdit.setText("Pat Doe");
        sc.registration.PracticeRadioButton.checked = true;
        showRegistration(sc, true);
        window->run("TUserNAMEFORM.OKButtonClick");
        sc.state.scenarioKind = KindAdult;
        sc.state.shocksToConvert = 1;
        sc.state.rhythmState = RhythmShockable;
        window->run("MainMSGDisplayClick");
        for (const char* field :
             {"responsivenessChecked", "airwayOpened", "breathingChecked", "ventilated", "circulationChecked"})
            findField(sc.state, field)->assign("true");
        wait(5000);
        window->run("StartCPRMenuItemClick");
        wait(analyzeAt - 10000);
        window->run("StopCPRMenuItemClick");
        window->run("PowerButtonClick");
        dropPads();
        wait(4000);
        window->run("Clearbutton1Click");
        wait(1000);
        window->run("AnalyzeButtonClick");
        wait(18500);
        if (cleared)
            window->run("Clearbutton1Click");
        wait(1500);
        window->run("SHOCKButtonClick");
        if (sc.phase == ScenarioPhase::Running) {
            wait(3000);
            window->run("EndButtonClick");
        }
        if (sc.ui.FINALERRORPanel.visible)
            window->run("FinalErrorOKButtonClick");
    }
    void dropPads()
    {
        Scenario& sc = s();
        for (auto [pad, zone, drop] : {std::tuple{"PADWHITE", &sc.ui.PADWhiteZone, "PADWhiteZoneDragDrop"},
                                       std::tuple{"PADRED", &sc.ui.PADRedZONE, "PADRedZONEDragDrop"}}) {
            sc.dropX = zone->left + zone->width / 2;
            sc.dropY = zone->top + zone->height / 2;
            window->run(std::string(pad) + "StartDrag");
            window->run(drop);
            window->run(std::string(pad) + "EndDrag");
        }
    }
};

// Pixels of a kind in the picture: the CPR spans' green, the penalties' red, the bolts' yellow
// (whatever they are drawn over).
int pixels(const QImage& image, bool (*kind)(const QColor&))
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (kind(image.pixelColor(x, y)))
                ++count;
    return count;
}
bool green(const QColor& c)
{
    return c.green() > c.red() + 60 && c.green() > c.blue() + 40;
}
bool red(const QColor& c)
{
    return c.red() > 180 && c.green() < 80 && c.blue() < 80;
}
bool yellow(const QColor& c)
{
    return c.red() > 220 && c.green() > 170 && c.blue() < 60;
}

void keep(const QString& file)
{
    if (const QByteArray folder = qgetenv("DEFIB_KEEP_PICTURES"); !folder.isEmpty()) {
        const QString copy = QString::fromLocal8Bit(folder) + QLatin1Char('/') + QFileInfo(file).fileName();
        QFile::remove(copy);
        QFile::copy(file, copy);
    }
}

} // namespace

class SummaryDebriefTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheMeasuresWithTheirTargets()
    {
        Debrief d;
        d.playTwoShocks();
        QVERIFY(d.shown(QStringLiteral("TForm2")));
        // The existing fields stay as they were.
        QCOMPARE(d.summary()->findChild<QLineEdit*>(QStringLiteral("SHOCKTIMEEDIT"))->text(), QStringLiteral("00:38"));
        QCOMPARE(d.measure("timeToPowerOn"), QStringLiteral("21.2 s"));
        QCOMPARE(d.measure("timeToFirstShock"), QStringLiteral("45.2 s"));
        QCOMPARE(d.measure("timeToFirstShockMet"), QStringLiteral("\u2714 met"));
        QCOMPARE(d.measure("cprFraction"), QStringLiteral("45 %"));
        QCOMPARE(d.measure("cprFractionMet"), QStringLiteral("\u2718 not met"));
        QCOMPARE(d.measure("preShockPause"), QStringLiteral("25.2 s"));
        QCOMPARE(d.measure("preShockPauseMet"), QStringLiteral("\u2718 not met"));
        QCOMPARE(d.measure("postShockPause"), QStringLiteral("2.3 s"));
        QCOMPARE(d.measure("postShockPauseMet"), QString());
        QCOMPARE(d.measure("longestHandsOffPause"), QStringLiteral("27.5 s"));

        // The penalties, numbered as on the picture, with their time and text.
        auto* penalties = d.summary()->findChild<QListWidget*>(QStringLiteral("Penalties"));
        QCOMPARE(penalties->count(), 3);
        QCOMPARE(penalties->item(1)->text(), QStringLiteral("2.  1:42.5  Did not complete required steps (-300)."));
    }

    void aLateFirstShockIsNotMetWhereTheProtocolTookItsPoints()
    {
        Debrief d;
        // Analyze at 2:04, the shock 20 s later: 2:24 from the start click, 02:17 by the protocol.
        d.playToFirstShock(124000, true);
        QVERIFY(d.shown(QStringLiteral("TForm2")));
        QCOMPARE(d.summary()->findChild<QLineEdit*>(QStringLiteral("SHOCKTIMEEDIT"))->text(), QStringLiteral("02:17"));
        QVERIFY(d.s().summary.Errors.text().find("Slow shock time > 2 min (-200). (02:17)") != std::string::npos);
        QCOMPARE(d.measure("timeToFirstShock"), QStringLiteral("2:24.0 min"));
        // The protocol's own limit, and the verdict the protocol gave.
        QCOMPARE(d.measure("timeToFirstShockTarget"), QStringLiteral("within 2:07"));
        QCOMPARE(d.measure("timeToFirstShockMet"), QStringLiteral("\u2718 not met"));
        // Each figure says what it counts from.
        const QString hint = d.summary()->findChild<QLineEdit*>(QStringLiteral("SHOCKTIMEEDIT"))->toolTip();
        QVERIFY2(hint.contains(QStringLiteral("from 0:07")), qPrintable(hint));
        QVERIFY(d.summary()
                    ->findChild<QLabel*>(QStringLiteral("timeToFirstShock"))
                    ->toolTip()
                    .startsWith(QStringLiteral("From the start click")));
        QVERIFY(d.summary()->findChild<QLabel*>(QStringLiteral("FirstShockNote"))->isVisible());
        QVERIFY(!d.summary()->findChild<QLabel*>(QStringLiteral("fatalShock"))->isVisible());
        // The protocol in use, on the summary and on the main window.
        QCOMPARE(d.summary()->findChild<QLineEdit*>(QStringLiteral("PROTOCOLLABEL"))->text(),
                 QStringLiteral("Stacked shocks"));
        QCOMPARE(d.find<QLabel>(QStringLiteral("PROTOCOLlabel"))->text(), QStringLiteral("Protocol: Stacked shocks"));
    }

    void aFatalShockIsShownAsFatal()
    {
        Debrief d;
        d.playToFirstShock(40000, false, true);
        QVERIFY(d.shown(QStringLiteral("TForm2")));
        QCOMPARE(d.summary()->findChild<QLineEdit*>(QStringLiteral("SHOCKTIMEEDIT"))->text(),
                 QStringLiteral("No shocks delivered"));
        QVERIFY(d.summary()
                    ->findChild<QLineEdit*>(QStringLiteral("SHOCKTIMEEDIT"))
                    ->toolTip()
                    .contains(QStringLiteral("not cleared")));
        QCOMPARE(d.measure("timeToFirstShockMet"), QStringLiteral("\u2718 fatal"));
        QVERIFY(d.summary()->findChild<QLabel*>(QStringLiteral("fatalShock"))->isVisible());
        QCOMPARE(d.measure("fatalShock"), QStringLiteral("1:00.0 min"));
        QCOMPARE(d.measure("fatalShockMet"), QStringLiteral("\u2718 fatal"));
        for (const char* name : {"timeToFirstShockMet", "preShockPauseMet", "fatalShockMet"})
            QVERIFY2(!d.measure(name).contains(QStringLiteral("\u2714")), name);
        // The timeline names it on hover.
        ui::TimelineView* timeline = d.timeline();
        timeline->grab();
        QStringList told;
        for (int y = 0; y < timeline->height(); y += 2)
            for (int x = 0; x < timeline->width(); x += 2)
                if (const QString text = timeline->hitText(QPointF(x, y)); !text.isEmpty() && !told.contains(text))
                    told << text;
        QVERIFY2(
            told.join(QLatin1Char('\n')).contains(QStringLiteral("1:00.0  Fatal shock: the patient was not cleared")),
            qPrintable(told.join(QLatin1Char('\n'))));
        QCOMPARE(d.summary()->findChild<QLineEdit*>(QStringLiteral("PROTOCOLLABEL"))->text(),
                 QStringLiteral("Single shock"));
        QCOMPARE(d.find<QLabel>(QStringLiteral("PROTOCOLlabel"))->text(), QStringLiteral("Protocol: Single shock"));
    }

    void emptyListsSaySoOnScreenAndOnThePage()
    {
        Debrief d;
        d.playTwoShocks();
        // On screen: the penalties have lines; an empty error list says so.
        d.s().summary.Errors.clear();
        d.window->sync();
        auto* errors = d.summary()->findChild<QListWidget*>(QStringLiteral("Errors"));
        QCOMPARE(errors->count(), 1);
        QCOMPARE(errors->item(0)->text(), QStringLiteral("No protocol errors or notes."));
        // The page of a scenario without penalties or notes, as a PDF that check_pdf.py reads.
        ui::DebriefContent content;
        content.mode = QStringLiteral("PRACTICE");
        content.protocol = QStringLiteral("Single shock");
        content.events = {{Millis(0), EventKind::Start, {}, 0}, {Millis(30000), EventKind::End, {}, 0}};
        const QString pdf = d.dir.filePath(QStringLiteral("debrief-empty.pdf"));
        QString error;
        QVERIFY(ui::saveDebrief(pdf, content, error));
        keep(pdf);
    }

    void drawsTheTimelineAndTellsEachPenaltyOnHover()
    {
        Debrief d;
        d.playTwoShocks();
        ui::TimelineView* timeline = d.timeline();
        QVERIFY(timeline && timeline->isVisible());
        QVERIFY(!timeline->events().empty());
        const QImage picture = d.summary()->grab().toImage();
        if (const QByteArray keep = qgetenv("DEFIB_KEEP_PICTURES"); !keep.isEmpty())
            picture.save(QString::fromLocal8Bit(keep) + QStringLiteral("/summary-debrief.png"));
        const QImage drawn = timeline->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QVERIFY(pixels(drawn, green) > 500); // the CPR spans
        QVERIFY(pixels(drawn, red) > 20); // the penalty triangles
        QVERIFY(pixels(drawn, yellow) > 20); // the shock bolts

        // Somewhere over the picture the hover names each penalty and shock.
        QStringList told;
        for (int y = 0; y < timeline->height(); y += 2)
            for (int x = 0; x < timeline->width(); x += 2) {
                const QString text = timeline->hitText(QPointF(x, y));
                if (!text.isEmpty() && !told.contains(text))
                    told << text;
            }
        const QString all = told.join(QLatin1Char('\n'));
        QVERIFY2(all.contains(QStringLiteral("1.  1:42.5  Did not check breathing after pulse established (-50).")),
                 qPrintable(all));
        QVERIFY(all.contains(QStringLiteral("Shock #2")));
        QVERIFY(all.contains(QStringLiteral("Hands off the chest for 27.5 s")));
    }

    void tellsWhatTheInstructorDidOnHover()
    {
        EventLog log;
        log.begin(Millis{0});
        log.add(Millis{5000}, EventKind::Instructor, "pause");
        log.add(Millis{5000}, EventKind::Pause);
        log.add(Millis{5000}, EventKind::Instructor, "resume");
        log.add(Millis{5000}, EventKind::Resume);
        log.add(Millis{30000}, EventKind::Instructor, "trouble electrode next-analysis");
        log.add(Millis{45000}, EventKind::Instructor, "message Check the pads");
        log.add(Millis{60000}, EventKind::End);
        QImage picture(900, 320, QImage::Format_RGB32);
        QPainter painter(&picture);
        std::vector<ui::TimelineHit> hits;
        ui::paintTimeline(painter, QRectF(0, 0, 900, 320), log.events(), QApplication::palette(), &hits);
        QStringList told;
        for (const ui::TimelineHit& hit : hits)
            told << hit.text;
        for (const char* text :
             {"0:05.0  The instructor paused the scenario", "0:05.0  The instructor resumed the scenario",
              "0:30.0  The instructor set a loose pad for the next analysis",
              "0:45.0  The instructor's message: Check the pads"})
            QVERIFY2(told.contains(QString::fromUtf8(text)), qPrintable(told.join(QLatin1Char('\n'))));
    }

    void fitsAtItsSmallestSizeAndTwiceTheScale()
    {
        Debrief d;
        d.playTwoShocks();
        QWidget* summary = d.summary();
        summary->resize(summary->minimumSize());
        QCoreApplication::processEvents();
        const QSize room = d.timeline()->size();
        QVERIFY2(room.width() >= d.timeline()->minimumSizeHint().width()
                     && room.height() >= d.timeline()->minimumSizeHint().height(),
                 qPrintable(QStringLiteral("%1x%2").arg(room.width()).arg(room.height())));
        // Every control of the window lies inside it at that size.
        for (QWidget* child : summary->findChildren<QWidget*>())
            if (child->isVisible() && child->parentWidget() == summary)
                QVERIFY2(summary->rect().contains(child->geometry()), qPrintable(child->objectName()));
        // The page drawn at twice the size keeps its proportions: nothing is cut away.
        ui::DebriefContent content;
        content.events = d.timeline()->events();
        QImage twice(2 * 1754, 2 * 1240, QImage::Format_RGB32);
        QPainter painter(&twice);
        ui::paintDebriefPage(painter, QRectF(twice.rect()), content);
        painter.end();
        QVERIFY(pixels(twice, green) > 4 * 500);
    }

    void savesTheDebriefAsPngOrPdf()
    {
        Debrief d;
        d.playTwoShocks();
        auto* save = d.summary()->findChild<QPushButton*>(QStringLiteral("SaveDebrief"));
        QVERIFY(save && save->isVisible() && save->isEnabled());

        const QString png = d.dir.filePath(QStringLiteral("Pat debrief.png"));
        d.files.names.push_back(png.toStdString());
        QTest::mouseClick(save, Qt::LeftButton);
        QCOMPARE(d.files.filters.back(), std::string("PNG picture|*.png|PDF document|*.pdf"));
        QImage image(png);
        QCOMPARE(image.size(), QSize(1754, 1240));
        QVERIFY(pixels(image.convertToFormat(QImage::Format_RGB32), green) > 500);
        keep(png);

        const QString pdf = d.dir.filePath(QStringLiteral("debrief.pdf"));
        d.files.names.push_back(pdf.toStdString());
        QTest::mouseClick(save, Qt::LeftButton);
        keep(pdf);
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        // One page, A4 landscape (842 x 595 points).
        QCOMPARE(bytes.count(QByteArray("/Type /Page\n")) + bytes.count(QByteArray("/Type /Page ")), 1);
        QVERIFY(QRegularExpression(QStringLiteral("/MediaBox \\[0 0 84[12]\\.\\d+ 59[45]\\.\\d+\\]"))
                    .match(QString::fromLatin1(bytes))
                    .hasMatch());
        QVERIFY(d.dialogs.messages.empty());

        // A folder that is not there: a clear message, no file, no part of one.
        const QString nowhere = d.dir.filePath(QStringLiteral("missing/debrief.png"));
        d.files.names.push_back(nowhere.toStdString());
        QTest::mouseClick(save, Qt::LeftButton);
        QCOMPARE(d.dialogs.messages.size(), std::size_t(1));
        QVERIFY(
            QString::fromStdString(d.dialogs.messages[0]).startsWith(QStringLiteral("The debrief could not be saved")));
        QVERIFY(!QFile::exists(nowhere) && !QFile::exists(nowhere + QStringLiteral(".part")));

        // Cancelled: nothing written, nothing said.
        QTest::mouseClick(save, Qt::LeftButton);
        QCOMPARE(d.dialogs.messages.size(), std::size_t(1));
        QVERIFY(d.shown(QStringLiteral("TForm2")));
    }
};

QTEST_MAIN(SummaryDebriefTest)
#include "test_summary.moc"
