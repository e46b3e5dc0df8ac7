// defibrio-perf MODE: measures the program the way a trainee meets it, on the real Qt clock. Every
// figure has a bare counterpart: the same measurement of an empty Qt main window in this binary.
//   startup-bare   time from process start to a bare main window first shown (ms)
//   startup        the same for Defibrio's main window, with the moments it got there
//   idle-bare      CPU and peak memory of a bare main window over 10 s
//   idle           CPU used at the main menu over 10 s (% of one core), and peak memory
//   scenario       CPU used during a running scenario with CPR over 10 s, and peak memory
//   timeline-bare  one precise 34 s Qt timer: how late it fires
//   timeline       the analyze-to-disarm chain in real time: "CHARGE REMOVED" against its 34 s
//   summary-bare   a bare dialog: from the call that shows it to its first paint
//   summary        End Scenario in a running scenario: from the click that opens the summary
//                  window (End, or OK under the final errors) to the summary's first paint
//   summary long   the same after a 20-minute scenario played on a virtual clock: CPR cycles with
//                  an analysis after each, shocks, pauses, the time-out at ten minutes and the
//                  trainee's presses after it, so that the summary draws a full event log
//   prompt-bare    a preloaded sound effect played by a bare window: from the call to the sound
//   prompt         the first prompt of a scenario: from "CONNECT ELECTRODES" on the display to
//                  its sound coming out
//   metronome      the CPR metronome with audio on: the ticks that come out in the first 30 s
//                  from the first, their spacing by the output's own frames, and how long after
//                  the hands went on the first came out
// "scenario scaled" and "timeline scaled" run with the window made 1.25 times its size, the picture
// area scaled with it.
// The prompt modes listen to the source "listen", which tools/perf.sh's own sound server makes of
// what its silent output plays, so they time the sound as it leaves the program.
#include <QApplication>
#include <QAudioSource>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QMainWindow>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

#include "../screenshots/play.h"
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

// The moments on the way to the first paint, in ms since the process started.
struct Moments {
    double main = 0;
    double application = 0;
    double window = 0;
};

// Reports the first paint of a window: the moment it is exposed.
class FirstShown : public QObject {
public:
    FirstShown(const char* what, const Moments& moments)
        : what_(what)
        , moments_(moments)
    {
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose || event->type() == QEvent::Paint) {
            std::printf("%s shown after %.1f ms (main entered %.1f, application %.1f, window built %.1f)\n", what_,
                        sinceProcessStart(), moments_.main, moments_.application, moments_.window);
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
            watched->removeEventFilter(this);
        }
        return false;
    }

private:
    const char* what_;
    Moments moments_;
};

// CPU and peak memory over 10 s, after a second to settle.
void reportLoadAfterSettling(QObject* context)
{
    QTimer::singleShot(1000, context, [] {
        const double cpu = cpuSeconds();
        QElapsedTimer wall;
        wall.start();
        QTimer::singleShot(10000, qApp, [cpu, wall] {
            const double used = cpuSeconds() - cpu;
            std::printf("CPU %.2f %% of one core over %.1f s; peak resident memory %.1f MiB\n",
                        100.0 * used / (wall.elapsed() / 1000.0), wall.elapsed() / 1000.0, peakResidentKiB() / 1024.0);
            QCoreApplication::exit(0);
        });
    });
}

class TimelineWatch : public ControlObserver {
public:
    QElapsedTimer started;
    void textChanged(const Control& control) override
    {
        if (control.name() == "AEDDISPLAY1" && control.text() == "CHARGE REMOVED") {
            const double ms = started.nsecsElapsed() / 1e6;
            std::printf("CHARGE REMOVED after %.1f ms (due at 34000 ms): off by %+.1f ms\n", ms, ms - 34000.0);
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
    }
};

constexpr int monitorRate = 48000;

// The monitor of the private sound server's output ("listen"), read as 48 kHz 16-bit mono in
// small fragments, so that sound is seen within a few ms of leaving the program; null without it.
QIODevice* openMonitor(QObject* owner)
{
    QAudioDevice monitor;
    for (const QAudioDevice& device : QMediaDevices::audioInputs())
        if (device.id() == "listen")
            monitor = device;
    if (monitor.isNull())
        return nullptr;
    QAudioFormat format;
    format.setSampleRate(monitorRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    auto* source = new QAudioSource(monitor, format, owner);
    source->setBufferSize(format.bytesForDuration(5000));
    return source->start();
}

// Listens to the monitor of the sound output and tells when sound first comes out after `armed`.
class SoundListener : public QObject {
public:
    QElapsedTimer clock;
    double armedAt = -1;
    std::function<void(double)> onSound;

    bool start()
    {
        clock.start();
        input_ = openMonitor(this);
        if (!input_)
            return false;
        connect(input_, &QIODevice::readyRead, this, &SoundListener::read);
        return true;
    }

private:
    void read()
    {
        const double now = clock.nsecsElapsed() / 1e6;
        const QByteArray data = input_->readAll();
        if (armedAt < 0 || !onSound)
            return;
        const auto* samples = reinterpret_cast<const qint16*>(data.constData());
        const qsizetype count = data.size() / 2;
        for (qsizetype i = 0; i < count; ++i) {
            if (std::abs(samples[i]) > 64) {
                // The sample came out this long before the chunk that holds it was read.
                const double at = now - 1000.0 * static_cast<double>(count - i) / monitorRate;
                if (at >= armedAt) {
                    auto done = std::move(onSound);
                    onSound = nullptr;
                    done(at - armedAt);
                }
                return;
            }
        }
    }

    QIODevice* input_ = nullptr;
};

// Counts the ticks that come out of the sound output: a tick begins with a sample above the
// threshold after at least 150 ms of quiet. Their times are counted in the frames of the
// output's monitor, so their spacing is what a listener hears.
class TickListener : public QObject {
public:
    QElapsedTimer clock;
    // When the hands went on the chest, on `clock`.
    double handsOnAt = -1;
    // The first tick, on `clock`.
    double firstTickAt = -1;
    std::vector<qint64> onsets;

    bool start()
    {
        clock.start();
        input_ = openMonitor(this);
        if (!input_)
            return false;
        connect(input_, &QIODevice::readyRead, this, &TickListener::read);
        return true;
    }
    int rate() const { return monitorRate; }

private:
    void read()
    {
        const double now = clock.nsecsElapsed() / 1e6;
        const QByteArray data = input_->readAll();
        const auto* samples = reinterpret_cast<const qint16*>(data.constData());
        const qsizetype count = data.size() / 2;
        const qint64 quiet = rate() * 150 / 1000;
        for (qsizetype i = 0; i < count; ++i, ++frame_) {
            if (std::abs(samples[i]) <= 64)
                continue;
            if (handsOnAt >= 0 && frame_ - lastLoud_ > quiet) {
                onsets.push_back(frame_);
                if (firstTickAt < 0)
                    firstTickAt = now - 1000.0 * static_cast<double>(count - i) / rate();
            }
            lastLoud_ = frame_;
        }
    }

    QIODevice* input_ = nullptr;
    qint64 frame_ = 0;
    qint64 lastLoud_ = -1000000;
};

void reportTicks(const TickListener& listener)
{
    const double rate = listener.rate();
    std::vector<double> at;
    for (qint64 onset : listener.onsets)
        at.push_back(1000.0 * static_cast<double>(onset - listener.onsets.front()) / rate);
    std::size_t ticks = 0;
    while (ticks < at.size() && at[ticks] < 30000.0)
        ++ticks;
    if (ticks < 2) {
        std::printf("metronome: %zu ticks in 30 s of CPR (no sound device?)\n", ticks);
        return;
    }
    double shortest = 1e9;
    double longest = 0;
    int off = 0;
    for (std::size_t i = 1; i < ticks; ++i) {
        const double gap = at[i] - at[i - 1];
        shortest = std::min(shortest, gap);
        longest = std::max(longest, gap);
        // 545 or 546 ms by the timer: eleven ticks in 6 s.
        if (gap < 6000.0 / 11 - 10 || gap > 6000.0 / 11 + 10)
            ++off;
    }
    std::printf("metronome: %zu ticks in 30 s of CPR, spacing %.1f ms mean, %.1f to %.1f ms, %d off by more than "
                "10 ms; first tick %.1f ms after the hands\n",
                ticks, at[ticks - 1] / static_cast<double>(ticks - 1), shortest, longest, off,
                listener.firstTickAt - listener.handsOnAt);
}

class PromptWatch : public ControlObserver {
public:
    explicit PromptWatch(SoundListener& listener)
        : listener_(listener)
    {
    }
    void textChanged(const Control& control) override
    {
        if (control.name() == "AEDDISPLAY1" && control.text() == "CONNECT ELECTRODES" && listener_.armedAt < 0)
            listener_.armedAt = listener_.clock.nsecsElapsed() / 1e6;
    }

private:
    SoundListener& listener_;
};

void reportPrompt(SoundListener& listener, const char* what)
{
    listener.onSound = [what](double ms) {
        std::printf("%s: sound out %.1f ms after the display text\n", what, ms);
        std::fflush(stdout);
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    };
    QTimer::singleShot(8000, qApp, [what] {
        std::printf("%s: no sound within 8 s (no sound device?)\n", what);
        QCoreApplication::exit(0);
    });
}

void startScenario(ui::TForm1& window)
{
    Scenario& s = window.scenario();
    s.options.setText(s.options.OptTroubleOdds, "0");
    s.options.setChecked(s.options.OPTOneShockScenario, true);
    play::registerPractice(window, "Perf");
    window.run("MainMSGDisplayClick");
}

class Silent : public SoundPlayer {
public:
    bool play(const std::string&) override { return true; }
    void stop() override { }
};

// Twenty minutes of a treatment on the window's virtual clock: two-minute CPR cycles with the
// trainer's analysis, charge and shock between them, a pause now and then; the time-out comes at
// ten minutes, and the trainee goes on pressing until twenty.
void playTwentyMinutes(ui::TForm1& window, VirtualClock& clock)
{
    Scenario& s = window.scenario();
    s.options.setText(s.options.OptTroubleOdds, "0");
    play::registerPractice(window, "Perf");
    s.state.scenarioKind = KindMoreShocks;
    s.state.shocksToConvert = 5;
    s.state.rhythmState = RhythmShockable;
    window.run("MainMSGDisplayClick");
    window.run("AllABCsmenuItemClick");
    window.advance(Millis(15000));
    window.run("PowerButtonClick");
    play::placePads(window);
    const Millis end = clock.now() + Millis(20 * 60 * 1000);
    int cycle = 0;
    while (clock.now() < end) {
        window.run("StartCPRMenuItemClick");
        window.advance(Millis(cycle % 3 == 1 ? 60000 : 100000));
        if (cycle % 3 == 1) {
            window.run("PauseClick");
            window.advance(Millis(20000));
            window.run("PauseClick");
            window.advance(Millis(40000));
        }
        window.run("Clearbutton1Click");
        window.advance(Millis(1000));
        window.run("AnalyzeButtonClick");
        window.advance(Millis(18500));
        window.run("Clearbutton1Click");
        window.advance(Millis(500));
        window.run("SHOCKButtonClick");
        window.advance(Millis(2000));
        window.run("PulseButtonClick");
        window.advance(Millis(3000));
        ++cycle;
    }
}

} // namespace

int main(int argc, char** argv)
{
    Moments moments;
    moments.main = sinceProcessStart();
    QApplication app(argc, argv);
    moments.application = sinceProcessStart();
    const std::string mode = argc > 1 ? argv[1] : "";
    const bool scaled = argc > 2 && std::string(argv[2]) == "scaled";
    auto scale = [scaled](QWidget& window) {
        if (scaled)
            window.resize(window.size() * 5 / 4);
    };
    QTemporaryDir directory;
    // Every mode ends with QCoreApplication::exit, straight out of the event loop: a quit would
    // first close the windows, and the program asks before a running scenario is closed.

    if (mode == "startup-bare") {
        QMainWindow window;
        window.setWindowTitle(QStringLiteral("bare"));
        window.resize(1100, 740);
        moments.window = sinceProcessStart();
        FirstShown shown("bare window", moments);
        window.installEventFilter(&shown);
        window.show();
        return QApplication::exec();
    }
    if (mode == "startup") {
        ui::TForm1 window(QDir::currentPath());
        moments.window = sinceProcessStart();
        FirstShown shown("Defibrio", moments);
        window.installEventFilter(&shown);
        window.show();
        return QApplication::exec();
    }
    if (mode == "idle-bare") {
        QMainWindow window;
        window.resize(1100, 740);
        window.show();
        reportLoadAfterSettling(&window);
        return QApplication::exec();
    }
    if (mode == "idle" || mode == "scenario") {
        ui::TForm1 window(QDir::currentPath());
        window.show();
        scale(window);
        if (mode == "scenario") {
            startScenario(window);
            window.run("PowerButtonClick");
            window.run("StartCPRMenuItemClick");
        }
        reportLoadAfterSettling(&window);
        return QApplication::exec();
    }
    if (mode == "timeline-bare") {
        QMainWindow window;
        window.resize(1100, 740);
        window.show();
        QElapsedTimer started;
        started.start();
        QTimer::singleShot(34000, Qt::PreciseTimer, &window, [&started] {
            const double ms = started.nsecsElapsed() / 1e6;
            std::printf("timer after %.1f ms (due at 34000 ms): off by %+.1f ms\n", ms, ms - 34000.0);
            QCoreApplication::exit(0);
        });
        return QApplication::exec();
    }
    if (mode == "timeline") {
        ui::TForm1 window(directory.path());
        window.show();
        scale(window);
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
    if (mode == "summary-bare" || mode == "summary") {
        const bool bare = mode == "summary-bare";
        const bool longScenario = argc > 2 && std::string(argv[2]) == "long";
        std::unique_ptr<QMainWindow> window;
        VirtualClock virtualClock;
        Silent silent;
        if (bare)
            window = std::make_unique<QMainWindow>();
        else if (longScenario)
            window = std::make_unique<ui::TForm1>(
                directory.path(), ui::WindowServices{nullptr, &silent, nullptr, nullptr, &virtualClock, false});
        else
            window = std::make_unique<ui::TForm1>(directory.path());
        window->resize(1100, 740);
        window->show();
        auto* main = qobject_cast<ui::TForm1*>(window.get());
        if (main && longScenario) {
            playTwentyMinutes(*main, virtualClock);
            const std::vector<Event>& events = main->scenario().events.events();
            std::printf("summary long: %zu events over %lld s of scenario time\n", events.size(),
                        static_cast<long long>(events.empty() ? 0 : events.back().at.count() / 1000));
        } else if (main) {
            startScenario(*main);
            main->run("PowerButtonClick");
        }
        QElapsedTimer clicked;
        auto watch = std::make_unique<QObject>();
        QTimer::singleShot(1500, window.get(), [&] {
            clicked.start();
            QWidget* summary = nullptr;
            if (main) {
                main->run("EndButtonClick");
                if (main->scenario().ui.FINALERRORPanel.visible) {
                    clicked.start();
                    main->run("FinalErrorOKButtonClick");
                }
                summary = main->findChild<QWidget*>(QStringLiteral("TForm2"));
            } else {
                auto* dialog = new QDialog(window.get());
                dialog->resize(560, 480);
                dialog->show();
                summary = dialog;
            }
            if (!summary) {
                std::printf("%s: no summary shown\n", mode.c_str());
                QCoreApplication::exit(0);
                return;
            }
            struct Painted : QObject {
                QElapsedTimer* clicked;
                const char* what;
                // After a long scenario the clock stops once the timeline has been drawn too.
                bool afterPaint = false;
                bool eventFilter(QObject*, QEvent* event) override
                {
                    if (clicked && (event->type() == QEvent::Expose || event->type() == QEvent::Paint)) {
                        auto report = [clicked = clicked, what = what] {
                            std::printf("%s: summary shown %.1f ms after the click\n", what,
                                        clicked->nsecsElapsed() / 1e6);
                            std::fflush(stdout);
                            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
                        };
                        if (afterPaint)
                            QTimer::singleShot(0, qApp, report);
                        else
                            report();
                        clicked = nullptr;
                    }
                    return false;
                }
            };
            auto* painted = new Painted;
            painted->setParent(watch.get());
            painted->clicked = &clicked;
            painted->what = bare ? "bare window" : "Defibrio";
            if (QWidget* timeline = longScenario ? summary->findChild<QWidget*>(QStringLiteral("Timeline")) : nullptr) {
                painted->afterPaint = true;
                timeline->installEventFilter(painted);
            } else {
                summary->installEventFilter(painted);
            }
            if (summary->isVisible())
                summary->update();
        });
        return QApplication::exec();
    }
    if (mode == "prompt-bare") {
        QMainWindow window;
        window.resize(1100, 740);
        window.show();
        SoundListener listener;
        if (!listener.start()) {
            std::printf("bare window: no sound device to listen to\n");
            return 0;
        }
        QSoundEffect effect;
        QTimer::singleShot(
            0, &window, [&effect] { effect.setSource(QUrl::fromLocalFile(QDir::current().filePath("connecte.wav"))); });
        reportPrompt(listener, "bare window");
        QTimer::singleShot(2150, &window, [&window, &effect, &listener] {
            window.setWindowTitle(QStringLiteral("CONNECT ELECTRODES"));
            listener.armedAt = listener.clock.nsecsElapsed() / 1e6;
            effect.play();
        });
        return QApplication::exec();
    }
    if (mode == "prompt") {
        // The trainee powers the trainer on as soon as the window is there: its first prompt
        // comes 2150 ms later.
        ui::TForm1 window(QDir::currentPath());
        window.show();
        SoundListener listener;
        if (!listener.start()) {
            std::printf("Defibrio: no sound device to listen to\n");
            return 0;
        }
        PromptWatch watch(listener);
        window.scenario().ui.AEDDISPLAY1.observer = &watch;
        reportPrompt(listener, "Defibrio");
        QTimer::singleShot(0, &window, [&window] {
            startScenario(window);
            window.run("PowerButtonClick");
        });
        return QApplication::exec();
    }
    if (mode == "metronome") {
        // The hands go on once the sound output is open, stay on for 31 s and come off.
        ui::TForm1 window(QDir::currentPath());
        window.show();
        TickListener listener;
        if (!listener.start()) {
            std::printf("metronome: no sound device to listen to\n");
            return 0;
        }
        Scenario& s = window.scenario();
        QTimer::singleShot(1500, &window, [&window, &s, &listener] {
            s.options.setChecked(s.options.OptMetronome, true);
            startScenario(window);
            listener.handsOnAt = listener.clock.nsecsElapsed() / 1e6;
            window.run("StartCPRMenuItemClick");
        });
        QTimer::singleShot(1500 + 31000, &window, [&window] { window.run("StopCPRMenuItemClick"); });
        QTimer::singleShot(1500 + 32000, &window, [&listener] {
            reportTicks(listener);
            std::fflush(stdout);
            QCoreApplication::exit(0);
        });
        return QApplication::exec();
    }
    std::fprintf(stderr,
                 "usage: defibrio-perf startup-bare|startup|idle-bare|idle|scenario|timeline-bare|timeline|"
                 "summary-bare|summary|prompt-bare|prompt|metronome\n");
    return 2;
}
