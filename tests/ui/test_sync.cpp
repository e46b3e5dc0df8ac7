// How every window brings its widgets up to date with the control models: a sync changes only
// what differs, so it never takes the cursor, the selection or the focus from the trainee.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

#include "ui/sync.h"

using namespace defib;

class SyncTest : public QObject {
    Q_OBJECT
private slots:
    void listRowsThatStayKeepTheirSelection()
    {
        QListWidget list;
        QVERIFY(ui::syncList(&list, {"Shout", "Pulse"}));
        list.setCurrentRow(0);
        QListWidgetItem* first = list.item(0);
        // An action added below: the rows above are the same rows, still selected.
        QVERIFY(ui::syncList(&list, {"Shout", "Pulse", "CPR"}));
        QCOMPARE(list.count(), 3);
        QCOMPARE(list.item(0), first);
        QVERIFY(first->isSelected());
        QVERIFY(!ui::syncList(&list, {"Shout", "Pulse", "CPR"}));
        // A line that changes while the count stays is shown too.
        QVERIFY(ui::syncList(&list, {"Shout", "Breathing", "CPR"}));
        QCOMPARE(list.item(1)->text(), QStringLiteral("Breathing"));
        QCOMPARE(list.item(2)->text(), QStringLiteral("CPR"));
        QCOMPARE(list.item(0), first);
        QVERIFY(ui::syncList(&list, {}));
        QCOMPARE(list.count(), 0);
    }

    void aFieldKeepsItsCursorWhileTheModelRewritesItsText()
    {
        QLineEdit field;
        ui::syncText(&field, QStringLiteral("nurse"));
        field.setCursorPosition(2);
        // The model's text changes behind the cursor: the cursor stays where the trainee types.
        QVERIFY(ui::syncText(&field, QStringLiteral("nurses")));
        QCOMPARE(field.cursorPosition(), 2);
        QVERIFY(!ui::syncText(&field, QStringLiteral("nurses")));
        QVERIFY(ui::syncText(&field, QStringLiteral("n")));
        QCOMPARE(field.cursorPosition(), 1);
        // A read-only field shows a new text from its end, as any new text.
        QLineEdit shown;
        shown.setReadOnly(true);
        ui::syncText(&shown, QStringLiteral("Pat Trainee"));
        QCOMPARE(shown.cursorPosition(), 11);
        QLabel label;
        QVERIFY(ui::syncText(&label, QStringLiteral("450")));
        QVERIFY(!ui::syncText(&label, QStringLiteral("450")));
    }

    void theFocusFollowsEachNewRequestButNotEverySync()
    {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* ok = new QPushButton(QStringLiteral("OK"), &window);
        ok->setObjectName(QStringLiteral("OKBtn"));
        auto* field = new QLineEdit(&window);
        field->setObjectName(QStringLiteral("PasswordEnter"));
        layout->addWidget(ok);
        layout->addWidget(field);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        ui::FocusFollower focus;
        focus.follow(&window, "PasswordEnter");
        QCOMPARE(QApplication::focusWidget(), field);
        // The trainee moves on; the same request at the next sync leaves the focus there.
        ok->setFocus();
        focus.follow(&window, "PasswordEnter");
        QCOMPARE(QApplication::focusWidget(), ok);
        // A widget that is hidden loses the focus: the request holds again.
        ok->hide();
        focus.follow(&window, "PasswordEnter");
        QCOMPARE(QApplication::focusWidget(), field);
        ok->show();
        focus.follow(&window, "OKBtn");
        QCOMPARE(QApplication::focusWidget(), ok);
        // Shown again, a window takes the request as new.
        field->setFocus();
        focus.forget();
        focus.follow(&window, "OKBtn");
        QCOMPARE(QApplication::focusWidget(), ok);
    }
};

QTEST_MAIN(SyncTest)
#include "test_sync.moc"
