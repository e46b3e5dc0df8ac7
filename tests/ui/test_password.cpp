// The password dialog in front of the Options pages.
#include <QLabel>
#include <QLineEdit>
#include <QScreen>

#include "ui/password.h"
#include "uitest.h"

using namespace defib;
using defib::uitest::Fixture;

namespace {

// The main window of a program directory whose options hold a password.
struct Guarded : Fixture {
    Guarded()
    {
        s().options.setText(s().options.PASSWORD, "nurse");
        s().options.optionsDirty = false;
        window->sync();
    }
    ui::TPasswordDlg* dialog() { return find<ui::TPasswordDlg>(QStringLiteral("TPasswordDlg")); }
    QLineEdit* field() { return dialog()->findChild<QLineEdit*>(QStringLiteral("PasswordEnter")); }
    void press(const QString& button) { QTest::mouseClick(dialog()->findChild<QPushButton*>(button), Qt::LeftButton); }
    bool pagesShown() { return shown(QStringLiteral("PageControl1")); }
};

} // namespace

class PasswordDialogTest : public QObject {
    Q_OBJECT
private slots:
    void withAPasswordOnlyTheDialogIsShown()
    {
        Guarded g;
        QVERIFY(g.click(QStringLiteral("OPTIONSMainMENU")));
        ui::TPasswordDlg* dialog = g.dialog();
        QVERIFY(dialog->isVisible());
        QVERIFY(!g.pagesShown());
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Password "));
        QVERIFY(dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(!dialog->isModal());
        QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("PasswordLabel"))->text().remove(QLatin1Char('&')),
                 QStringLiteral("Enter password:"));
        // Centred on the screen; the window frame may move it by a few pixels.
        const QPoint offCentre = dialog->frameGeometry().center() - dialog->screen()->availableGeometry().center();
        QVERIFY2(offCentre.manhattanLength() <= 4,
                 qPrintable(QStringLiteral("%1,%2").arg(offCentre.x()).arg(offCentre.y())));
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(g.field()));
        // The main window stays usable behind it.
        QVERIFY(g.find(QStringLiteral("MenuStart"))->isEnabled());
    }

    void typingIsLowerCaseAndMasked()
    {
        Guarded g;
        QVERIFY(g.click(QStringLiteral("OPTIONSMainMENU")));
        QTest::keyClicks(g.field(), QStringLiteral("NuRSE"));
        QCOMPARE(g.field()->text(), QStringLiteral("nurse"));
        QCOMPARE(g.field()->echoMode(), QLineEdit::Password);
        QVERIFY(g.field()->styleSheet().contains(QStringLiteral("lineedit-password-character: 42")));
        g.press(QStringLiteral("OKBtn"));
        QVERIFY(!g.dialog()->isVisible());
        QVERIFY(g.pagesShown());
        QCOMPARE(g.field()->text(), QString());
        QVERIFY(g.dialogs.messages.empty());
    }

    void aWrongPasswordIsRefusedAndKept()
    {
        Guarded g;
        QVERIFY(g.click(QStringLiteral("OPTIONSMainMENU")));
        QTest::keyClicks(g.field(), QStringLiteral("doctor"));
        g.press(QStringLiteral("OKBtn"));
        QCOMPARE(g.dialogs.messages, (std::vector<std::string>{"That is not the correct password."}));
        QVERIFY(g.dialog()->isVisible());
        QCOMPARE(g.field()->text(), QStringLiteral("doctor"));
        QVERIFY(!g.pagesShown());
        // Return presses OK, the default button.
        g.field()->selectAll();
        QTest::keyClicks(g.field(), QStringLiteral("nurse"));
        QTest::keyClick(g.field(), Qt::Key_Return);
        QVERIFY(g.pagesShown());
    }

    void cancelEscapeAndTheFrameCloseAllForgetWhatWasTyped()
    {
        Guarded g;
        for (int way = 0; way < 3; ++way) {
            QVERIFY(g.click(QStringLiteral("OPTIONSMainMENU")));
            QVERIFY(g.dialog()->isVisible());
            QTest::keyClicks(g.field(), QStringLiteral("nur"));
            if (way == 0)
                g.press(QStringLiteral("CancelBtn"));
            else if (way == 1)
                QTest::keyClick(g.field(), Qt::Key_Escape);
            else
                g.dialog()->close();
            QVERIFY2(!g.dialog()->isVisible(), qPrintable(QString::number(way)));
            QCOMPARE(g.field()->text(), QString());
            QCOMPARE(g.s().passwordDlg.PasswordEnter.text(), std::string());
            QVERIFY(!g.pagesShown());
            QVERIFY(g.find(QStringLiteral("MENU"))->isVisible());
        }
    }

    void aKeyOnTheDialogItselfGoesToOK()
    {
        Guarded g;
        QVERIFY(g.click(QStringLiteral("OPTIONSMainMENU")));
        ui::TPasswordDlg* dialog = g.dialog();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(g.field()));
        g.field()->clearFocus();
        QVERIFY(!QApplication::focusWidget() || QApplication::focusWidget() == dialog);
        QTest::keyClick(dialog, Qt::Key_A);
        QTRY_COMPARE(QApplication::focusWidget(), dialog->findChild<QWidget*>(QStringLiteral("OKBtn")));
        QCOMPARE(g.s().passwordDlg.activeControl, std::string("OKBtn"));
        // A key in the field types as usual.
        g.field()->setFocus();
        QTest::keyClick(g.field(), Qt::Key_B);
        QCOMPARE(g.field()->text(), QStringLiteral("b"));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(g.field()));
    }

    void withoutAPasswordTheDialogNeverShows()
    {
        Fixture f;
        QVERIFY(f.click(QStringLiteral("OPTIONSMainMENU")));
        QVERIFY(!f.find(QStringLiteral("TPasswordDlg"))->isVisible());
        QVERIFY(f.find(QStringLiteral("PageControl1"))->isVisible());
    }
};

QTEST_MAIN(PasswordDialogTest)
#include "test_password.moc"
