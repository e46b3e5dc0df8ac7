// The scoreboard window, opened from the main menu and from the summary window.
#include <QFontMetrics>
#include <QPlainTextEdit>

#include "engine/flow.h"
#include "ui/boardview.h"
#include "uitest.h"

using namespace defib;
using defib::uitest::fixedPitch;
using defib::uitest::Fixture;

namespace {

struct Board : Fixture {
    QWidget* board() { return find(QStringLiteral("TScoreboard")); }
    QPlainTextEdit* memo() { return board()->findChild<QPlainTextEdit*>(QStringLiteral("Memo1")); }
    void ok() { QTest::mouseClick(board()->findChild<QPushButton*>(QStringLiteral("OKButton")), Qt::LeftButton); }
    QWidget* summary() { return find(QStringLiteral("TForm2")); }
    // The summary window as a finished practice scenario leaves it.
    void showTheSummary()
    {
        s().phase = ScenarioPhase::Ended;
        s().ui.MENU.visible = false;
        showSummary(s());
        window->sync();
    }
};

} // namespace

class ScoreboardWindowTest : public QObject {
    Q_OBJECT
private slots:
    void fromTheMainMenuBeforeAnyScoreShowsTheIdleHeading()
    {
        Board b;
        QVERIFY(b.click(QStringLiteral("SCOREBOARD")));
        QVERIFY(b.board()->isVisible());
        QCOMPARE(b.board()->windowTitle(), QStringLiteral("Scoreboard"));
        QStringList idle{QStringLiteral("  name            date          score"), QStringLiteral(" ")};
        for (int i = 0; i < 10; ++i)
            idle << QString();
        QCOMPARE(b.memo()->toPlainText().split(QLatin1Char('\n')), idle);
        QVERIFY(b.memo()->isReadOnly());
        QCOMPARE(b.memo()->lineWrapMode(), QPlainTextEdit::NoWrap);
        QVERIFY(fixedPitch(b.memo()->font()));
        // The lines carry the heading themselves: the window adds no second one and no place.
        auto* view = qobject_cast<ui::BoardView*>(b.memo());
        QVERIFY(view);
        QVERIFY(!view->headingShown());
        QCOMPARE(ui::BoardView::places(idle), QList<int>(12, 0));
        QVERIFY(!b.board()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        b.ok();
        QVERIFY(!b.board()->isVisible());
        QVERIFY(b.find(QStringLiteral("MENU"))->isVisible());
        QVERIFY(!b.shown(QStringLiteral("TForm2")));
    }

    void showsTheFileAsItStands()
    {
        Board b;
        QFile file(b.dir.filePath(QStringLiteral("SCOREBRD.DAT")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("  Pat Trainee     12/8/26         450\r\n  Sam Medic       12/8/26         -20\r\n \r\n");
        file.close();
        QVERIFY(b.click(QStringLiteral("SCOREBOARD")));
        QCOMPARE(b.memo()->toPlainText(),
                 QStringLiteral("  Pat Trainee     12/8/26         450\n"
                                "  Sam Medic       12/8/26         -20\n "));
        // The file keeps its format; the window heads the columns and numbers the entries.
        auto* view = qobject_cast<ui::BoardView*>(b.memo());
        QVERIFY(view);
        QVERIFY(view->headingShown());
        QCOMPARE(ui::BoardView::places(b.memo()->toPlainText().split(QLatin1Char('\n'))), (QList<int>{1, 2, 0}));
    }

    // From the summary the board stays on top and the summary cannot be used until it is closed.
    void fromTheSummaryItStaysOnTopAndHoldsTheSummary()
    {
        Board b;
        b.showTheSummary();
        QVERIFY(b.summary()->isVisible());
        QTest::mouseClick(b.summary()->findChild<QPushButton*>(QStringLiteral("SCOREBOARD")), Qt::LeftButton);
        QVERIFY(b.board()->isVisible());
        QVERIFY(b.board()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(!b.summary()->isEnabled());
        b.ok();
        QVERIFY(!b.board()->isVisible());
        QVERIFY(b.summary()->isVisible());
        QVERIFY(b.summary()->isEnabled());
        QVERIFY(!b.board()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    }

    void closedByItsFrameItLetsTheSummaryGoToo()
    {
        Board b;
        b.showTheSummary();
        QTest::mouseClick(b.summary()->findChild<QPushButton*>(QStringLiteral("SCOREBOARD")), Qt::LeftButton);
        QVERIFY(!b.summary()->isEnabled());
        b.board()->close();
        QVERIFY(!b.board()->isVisible());
        QVERIFY(b.summary()->isVisible());
        QVERIFY(b.summary()->isEnabled());
        // Opened again from the main menu afterwards, it is an ordinary window.
        QTest::mouseClick(b.summary()->findChild<QPushButton*>(QStringLiteral("MainMenu")), Qt::LeftButton);
        QVERIFY(b.click(QStringLiteral("SCOREBOARD")));
        QVERIFY(!b.board()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    }

    // Opened from the main menu the board is modal: no scenario starts under it, and its OK shows
    // no summary.
    void fromTheMainMenuItHoldsTheMenuUntilItCloses()
    {
        Board b;
        QVERIFY(b.click(QStringLiteral("SCOREBOARD")));
        QVERIFY(b.board()->isModal());
        QCOMPARE(QApplication::activeModalWidget(), b.board());
        // A click that reaches Start anyway is refused by the core too.
        QVERIFY(b.click(QStringLiteral("MenuStart")));
        QVERIFY(!b.shown(QStringLiteral("TUserNAMEFORM")));
        b.ok();
        QVERIFY(!b.shown(QStringLiteral("TForm2")));
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QVERIFY(b.click(QStringLiteral("MenuStart")));
        QVERIFY(b.find(QStringLiteral("TUserNAMEFORM"))->isVisible());
    }
};

QTEST_MAIN(ScoreboardWindowTest)
#include "test_scoreboardwindow.moc"
