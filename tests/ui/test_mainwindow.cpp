#include <QTemporaryDir>
#include <QtTest>

#include "device/device.h"
#include "engine/flow.h"
#include "ui/mainwindow.h"

using namespace defib;

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void opensWithItsTitle()
    {
        QTemporaryDir dir;
        ui::TForm1 window(dir.path());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("Defibrio"));
        QVERIFY(window.trainer().scenario().ui.MENU.visible);
    }

    // The program's clock runs the core's timers in real time, in their order.
    void qtClockFiresTimersInOrder()
    {
        QTemporaryDir dir;
        ui::TForm1 window(dir.path());
        Scenario& s = window.trainer().scenario();
        QStringList fired;
        Timer& first = defib::device(s).timers.POWERTIMER2;
        Timer& second = defib::device(s).timers.SHOCKTimer;
        first.onTimer = [&] {
            first.stop();
            fired << QStringLiteral("first");
            second.setInterval(30);
            second.start();
        };
        second.onTimer = [&] {
            second.stop();
            fired << QStringLiteral("second");
        };
        first.setInterval(20);
        first.start();
        QTRY_COMPARE(fired, (QStringList{QStringLiteral("first"), QStringLiteral("second")}));
        QVERIFY(window.clock().now() >= Millis(50));
    }
};

QTEST_MAIN(MainWindowTest)
#include "device/device.h"
#include "test_mainwindow.moc"
