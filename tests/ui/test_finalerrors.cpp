// The Final Errors panel from the keyboard: its OK has the focus when it opens, Return, Enter,
// Escape and Space close it to the summary, and no key sequence while it is up ends the program.
#include <QListWidget>
#include <QtTest>

#include "engine/flow.h"
#include "uitest.h"

using namespace defib;
using defib::uitest::Fixture;

namespace {

// A practice scenario ended at once: "Did not complete required steps" brings the panel up.
struct Ended : Fixture {
    Ended()
    {
        Scenario& sc = s();
        sc.options.setText(sc.options.OptTroubleOdds, "0");
        sc.registration.NameEdit.setText("Pat Doe");
        sc.registration.PracticeRadioButton.checked = true;
        showRegistration(sc, true);
        window->run("TUserNAMEFORM.OKButtonClick");
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(find(QStringLiteral("MainMSGDisplay")), Qt::Key_Return);
        wait(3000);
        // End Scenario from the keyboard, as the trainee did.
        auto* end = find<QPushButton>(QStringLiteral("EndButton"));
        end->setFocus(Qt::TabFocusReason);
        QTest::keyClick(end, Qt::Key_Space);
    }
    QWidget* panel() { return find(QStringLiteral("FINALERRORPanel")); }
    QWidget* ok() { return find(QStringLiteral("FinalErrorOKButton")); }
    bool summaryShown() { return shown(QStringLiteral("TForm2")); }
    // A key to whatever has the keyboard in the window on top (the summary once it is shown), as
    // the trainee presses it.
    void press(Qt::Key key)
    {
        QWidget* summary = window->findChild<QWidget*>(QStringLiteral("TForm2"));
        QWidget* top = summary && summary->isVisible() ? summary : window.get();
        if (QApplication::activeModalWidget())
            top = QApplication::activeModalWidget();
        QWidget* target = top->focusWidget();
        QTest::keyClick(target ? target : top, key);
    }
};

} // namespace

class FinalErrorsTest : public QObject {
    Q_OBJECT
private slots:
    void theOKButtonHasTheFocusWhenThePanelOpens()
    {
        Ended f;
        QVERIFY(f.s().ui.FINALERRORPanel.visible);
        QVERIFY(f.panel()->isVisible());
        QTRY_COMPARE(QApplication::focusWidget(), f.ok());
        QVERIFY(!f.summaryShown());
    }

    void aKeyClosesThePanelToTheSummary_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter") << int(Qt::Key_Enter);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
        QTest::newRow("Space") << int(Qt::Key_Space);
    }
    void aKeyClosesThePanelToTheSummary()
    {
        QFETCH(int, key);
        Ended f;
        QTRY_COMPARE(QApplication::focusWidget(), f.ok());
        f.press(Qt::Key(key));
        QVERIFY(f.summaryShown());
        QVERIFY(!f.s().ui.quitRequested);
    }

    // The keys of the trainee who once ended the program unawares: Return, Escape and Space on the
    // panel, then Tab and Space, again and again, meaning to reach and press OK. They close the
    // panel and then go on in the summary, where Tab never stops on Quit.
    void theKeysThatOnceEndedTheProgramDoNot_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::newRow("as reported") << QList<int>{Qt::Key_Return, Qt::Key_Escape, Qt::Key_Space, Qt::Key_Tab,
                                                   Qt::Key_Space};
        QList<int> pairs;
        for (int i = 0; i < 6; ++i)
            pairs << Qt::Key_Tab << Qt::Key_Space;
        QTest::newRow("Tab and Space, six times") << pairs;
        QList<int> tabs;
        for (int i = 0; i < 12; ++i)
            tabs << Qt::Key_Tab;
        QTest::newRow("Tab twelve times, then Space") << (QList<int>{Qt::Key_Space} + tabs + QList<int>{Qt::Key_Space});
    }
    void theKeysThatOnceEndedTheProgramDoNot()
    {
        QFETCH(QList<int>, keys);
        Ended f;
        QTRY_COMPARE(QApplication::focusWidget(), f.ok());
        // Tab keeps the keyboard on the panel's OK.
        f.press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), f.ok());
        for (int key : keys) {
            f.press(Qt::Key(key));
            QVERIFY2(!f.s().ui.quitRequested, qPrintable(QKeySequence(key).toString()));
        }
        QVERIFY(f.window->isVisible());
        QVERIFY(!f.s().ui.quitRequested);
    }

    // Quit is still there for the keyboard: by its letter.
    void theSummarysQuitIsReachedByItsLetter()
    {
        Ended f;
        QTRY_COMPARE(QApplication::focusWidget(), f.ok());
        f.press(Qt::Key_Return);
        QVERIFY(f.summaryShown());
        auto* quit = f.find(QStringLiteral("TForm2"))->findChild<QPushButton*>(QStringLiteral("QUIT"));
        QVERIFY(quit && quit->isVisible());
        QCOMPARE(quit->focusPolicy(), Qt::ClickFocus);
        QCOMPARE(quit->text(), QStringLiteral("&Quit"));
    }
};

QTEST_MAIN(FinalErrorsTest)
#include "test_finalerrors.moc"
