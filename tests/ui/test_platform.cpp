// What the program takes from the machine in the user's own forms: the short date of the
// reports and the scoreboard in the locale's own order and marks, fitted to their eight columns;
// and the name Save Debrief offers, made from the trainee and the day, in the program's folder.
#include <QtTest>

#include "engine/flow.h"
#include "options/reports.h"
#include "options/scoreboard.h"
#include "ui/filenames.h"
#include "ui/qtplatform.h"
#include "uitest.h"

using namespace defib;

class PlatformTest : public QObject {
    Q_OBJECT
private slots:
    void theShortDateFollowsTheLocaleInItsColumns_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("date");
        // 7 December 2026 and 9 January 2026.
        QTest::newRow("United States") << QStringLiteral("en_US") << QStringLiteral("12/7/26");
        QTest::newRow("Germany") << QStringLiteral("de_DE") << QStringLiteral("07.12.26");
        QTest::newRow("Britain, its year cut to two digits") << QStringLiteral("en_GB") << QStringLiteral("07/12/26");
        QTest::newRow("Sweden, year first") << QStringLiteral("sv_SE") << QStringLiteral("26-12-07");
        QTest::newRow("France") << QStringLiteral("fr_FR") << QStringLiteral("07/12/26");
        QTest::newRow("Japan") << QStringLiteral("ja_JP") << QStringLiteral("26/12/07");
        QTest::newRow("Korea, without its blanks") << QStringLiteral("ko_KR") << QStringLiteral("26.12.7.");
        QTest::newRow("Hungary, without its zeros") << QStringLiteral("hu_HU") << QStringLiteral("26.12.7.");
    }
    void theShortDateFollowsTheLocaleInItsColumns()
    {
        QFETCH(QString, locale);
        QFETCH(QString, date);
        const QString text = ui::columnDate(QLocale(locale), QDate(2026, 12, 7));
        QCOMPARE(text, date);
        // Every date fits the columns of the report line and shows on the scoreboard.
        for (QDate day = QDate(2026, 1, 1); day.year() == 2026; day = day.addDays(1)) {
            const QString shown = ui::columnDate(QLocale(locale), day);
            QVERIFY2(shown.size() >= 6 && shown.size() <= ui::dateColumns, qPrintable(shown));
        }
    }

    // The report line keeps its columns whatever the date's form: the time starts at column 43.
    void theReportLineKeepsItsColumns()
    {
        for (const char* locale : {"en_US", "en_GB", "sv_SE", "ko_KR", "hu_HU", "de_DE"}) {
            const std::string date
                = ui::columnDate(QLocale(QString::fromLatin1(locale)), QDate(2026, 12, 9)).toStdString();
            const std::string line = reportLine("Pat Doe", "1234", date, "03:05", "01:10", "450");
            QCOMPARE(line.substr(33, date.size()), date);
            QCOMPARE(line.substr(43, 5), std::string("03:05"));
            QCOMPARE(line.size(), std::size_t(62));
            // The scoreboard keeps the date column too.
            const std::string entry = scoreboardEntry("Pat Doe", date, "450");
            QVERIFY2(entry.find(date) != std::string::npos, locale);
            QCOMPARE(entry.size(), std::size_t(36));
        }
    }

    void theDebriefIsNamedForTheTraineeAndTheDay_data()
    {
        QTest::addColumn<QString>("trainee");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << QStringLiteral("Pat Doe") << QStringLiteral("2026-12-09")
                               << QStringLiteral("Debrief Pat Doe 2026-12-09.png");
        QTest::newRow("what no file name holds")
            << QStringLiteral("A/B:C*D?\"E\"<F>|G\\H") << QStringLiteral("2026-12-09")
            << QStringLiteral("Debrief A B C D E F G H 2026-12-09.png");
        QTest::newRow("a tab and blanks") << QStringLiteral("  Pat\tDoe  ") << QStringLiteral("2026-12-09")
                                          << QStringLiteral("Debrief Pat Doe 2026-12-09.png");
        QTest::newRow("no hidden file") << QStringLiteral("..Pat") << QStringLiteral("2026-12-09")
                                        << QStringLiteral("Debrief Pat 2026-12-09.png");
        QTest::newRow("letters of any language") << QStringLiteral("Zoë Ødegård") << QStringLiteral("2026-12-09")
                                                 << QStringLiteral("Debrief Zoë Ødegård 2026-12-09.png");
        QTest::newRow("no name") << QStringLiteral("///") << QStringLiteral("2026-12-09")
                                 << QStringLiteral("Debrief 2026-12-09.png");
        QTest::newRow("no date") << QStringLiteral("Pat Doe") << QString() << QStringLiteral("Debrief Pat Doe.png");
    }
    void theDebriefIsNamedForTheTraineeAndTheDay()
    {
        QFETCH(QString, trainee);
        QFETCH(QString, date);
        QFETCH(QString, name);
        QCOMPARE(ui::debriefFileName(trainee, date), name);
    }

    void aLongNameIsCut()
    {
        const QString name = ui::debriefFileName(QString(200, QLatin1Char('x')), QStringLiteral("2026-12-09"));
        QVERIFY(name.size() < 100);
        QVERIFY(name.endsWith(QStringLiteral(" 2026-12-09.png")));
    }

    // Save Debrief starts in the folder of the program's files with that name.
    void saveDebriefOffersTheNameInTheProgramsFolder()
    {
        uitest::Fixture f;
        Scenario& s = f.s();
        s.options.setText(s.options.OptTroubleOdds, "0");
        s.registration.NameEdit.setText("Pat Doe");
        s.registration.PracticeRadioButton.checked = true;
        showRegistration(s, true);
        f.window->run("TUserNAMEFORM.OKButtonClick");
        f.window->run("MainMSGDisplayClick");
        f.wait(3000);
        f.window->run("EndButtonClick");
        if (s.ui.FINALERRORPanel.visible)
            f.window->run("FinalErrorOKButtonClick");
        auto* save = f.find(QStringLiteral("TForm2"))->findChild<QPushButton*>(QStringLiteral("SaveDebrief"));
        QVERIFY(save && save->isVisible());
        QTest::mouseClick(save, Qt::LeftButton);
        QCOMPARE(f.files.offered.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(f.files.offered.back()),
                 QDir(f.dir.path()).filePath(QStringLiteral("Debrief Pat Doe 2026-12-08.png")));
    }
};

QTEST_MAIN(PlatformTest)
#include "test_platform.moc"
