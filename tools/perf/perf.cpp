// defibrio-perf MODE: measures the program the way a trainee meets it, on the real Qt clock.
//   startup-bare   time from process start to a bare main window first shown (ms)
//   startup        the same for Defibrio's main window
//   idle-bare      peak memory of a bare main window
//   idle           CPU used at the main menu over 10 s (% of one core), and peak memory
//   scenario       CPU used during a running scenario with CPR over 10 s, and peak memory
//   timeline       the analyze-to-disarm chain in real time: "CHARGE REMOVED" against its 34 s
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>
#include <unistd.h>

#include "ui/mainwindow.h"

using namespace defib;

namespace {

// Milliseconds since the process started, from the kernel's own record of the start.
double sinceProcessStart()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    const double startTicks = fields.value(19).toDouble();
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double ticks = static_cast<double>(sysconf(_SC_CLK_TCK));
    return (now.tv_sec + now.tv_nsec / 1e9 - startTicks / ticks) * 1000.0;
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

long peakResidentKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Reports the first paint of a window: the moment it is exposed.
class FirstShown : public QObject {
public:
    explicit FirstShown(const char* what)
        : what_(what)
    {
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose || event->type() == QEvent::Paint) {
            std::printf("%s %.1f ms\n", what_, sinceProcessStart());
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QApplication::quit);
            watched->removeEventFilter(this);
        }
        return false;
    }

private:
    const char* what_;
};

class TimelineWatch : public ControlObserver {
public:
    QElapsedTimer started;
    void textChanged(const Control& control) override
    {
        if (control.name() == "AEDDISPLAY1" && control.text() == "CHARGE REMOVED") {
            const double ms = started.nsecsElapsed() / 1e6;
            std::printf("CHARGE REMOVED after %.1f ms (due at 34000 ms): off by %+.1f ms\n", ms, ms - 34000.0);
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QApplication::quit);
        }
    }
};

void startScenario(ui::TForm1& window)
{
    Scenario& s = window.scenario();
    s.options.setText(s.options.OptTroubleOdds, "0");
    s.options.setChecked(s.options.OPTOneShockScenario, true);
    window.run("MenuStartClick");
    s.registration.NameEdit.setText("Perf");
    s.registration.PracticeRadioButton.checked = true;
    window.run("TUserNAMEFORM.OKButtonClick");
    window.run("MainMSGDisplayClick");
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const std::string mode = argc > 1 ? argv[1] : "";
    QTemporaryDir directory;

    if (mode == "startup-bare") {
        QMainWindow window;
        window.setWindowTitle(QStringLiteral("bare"));
        window.resize(1100, 740);
        FirstShown shown("bare window shown after");
        window.installEventFilter(&shown);
        window.show();
        return QApplication::exec();
    }
    if (mode == "startup") {
        ui::TForm1 window(QDir::currentPath());
        FirstShown shown("Defibrio shown after");
        window.installEventFilter(&shown);
        window.show();
        return QApplication::exec();
    }
    if (mode == "idle-bare") {
        QMainWindow window;
        window.resize(1100, 740);
        window.show();
        QTimer::singleShot(3000, qApp, [] {
            std::printf("peak resident memory %.1f MiB\n", peakResidentKiB() / 1024.0);
            QApplication::quit();
        });
        return QApplication::exec();
    }
    if (mode == "idle" || mode == "scenario") {
        ui::TForm1 window(QDir::currentPath());
        window.show();
        if (mode == "scenario") {
            startScenario(window);
            window.run("PowerButtonClick");
            window.run("StartCPRMenuItemClick");
        }
        QTimer::singleShot(1000, &window, [] {
            const double cpu = cpuSeconds();
            QElapsedTimer wall;
            wall.start();
            QTimer::singleShot(10000, qApp, [cpu, wall] {
                const double used = cpuSeconds() - cpu;
                std::printf("CPU %.2f %% of one core over %.1f s; peak resident memory %.1f MiB\n",
                            100.0 * used / (wall.elapsed() / 1000.0), wall.elapsed() / 1000.0,
                            peakResidentKiB() / 1024.0);
                QApplication::quit();
            });
        });
        return QApplication::exec();
    }
    if (mode == "timeline") {
        ui::TForm1 window(directory.path());
        window.show();
        startScenario(window);
        Scenario& s = window.scenario();
        TimelineWatch watch;
        s.ui.AEDDISPLAY1.observer = &watch;
        window.run("PowerButtonClick");
        QTimer::singleShot(2500, &window, [&window, &s, &watch] {
            s.state.topPadAttached = true;
            s.state.bottomPadAttached = true;
            s.state.patientCleared = true;
            watch.started.start();
            window.run("AnalyzeButtonClick");
        });
        return QApplication::exec();
    }
    std::fprintf(stderr, "usage: defibrio-perf startup-bare|startup|idle|scenario|timeline\n");
    return 2;
}
