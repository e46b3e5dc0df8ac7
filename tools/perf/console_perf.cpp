// The instructor's console measured (tools/perf-console.sh runs it):
//   latency            200 commands from the console to an in-process station's core over
//                      loopback, the time until the core has applied each (median and max)
//   console SIM N S    the console's CPU with N stations, each a defibrio-sim of its own playing a
//                      scenario in real time, over S seconds
//   station SIM S      one defibrio-sim station's CPU over S seconds without a console, then
//                      S seconds with the console joined
#include <QApplication>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

#include "device/trainer.h"
#include "engine/flow.h"
#include "fakes/platformfakes.h"
#include "options/platform.h"
#include "ui/console.h"
#include "ui/stationserver.h"

using namespace defib;

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The CPU seconds a process has had, from /proc.
double processCpuSeconds(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    // The fields after the command's name in parentheses: utime and stime are the 14th and 15th.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return -1;
    return (fields[11].toDouble() + fields[12].toDouble()) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// Runs the event loop for `ms` milliseconds.
void runFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool waitUntil(const std::function<bool()>& done, int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }
    return true;
}

int latency()
{
    QTemporaryDir dir;
    LinearRandom random(1);
    fakes::RecordingSound sound;
    fakes::AgreeingDialogs dialogs;
    fakes::FixedWallClock date;
    VirtualClock clock;
    Platform platform{random, sound, dialogs, date};
    Trainer trainer(platform, clock);
    Scenario& s = trainer.scenario();
    clock.attach(s.scheduler);
    s.options.programDirectory = dir.path().toStdString();
    startProgram(s);
    registerUser(s, "Perf", "", false);
    startNewScenario(s);
    trainer.run("MainMSGDisplayClick");
    ui::StationServer server(trainer, QStringLiteral("perf"), QStringLiteral("123456"));
    QString error;
    if (!server.listen(QHostAddress::LocalHost, 0, false, QString(), &error)) {
        std::printf("station cannot listen: %s\n", qPrintable(error));
        return 1;
    }
    ui::ConsoleClient client({QStringLiteral("127.0.0.1"), server.port(), false}, QStringLiteral("123456"),
                             QStringLiteral("perf"), nullptr);
    if (!waitUntil([&] { return client.state() == ui::ConsoleClient::State::Joined; }, 10000)) {
        std::printf("the console did not join\n");
        return 1;
    }
    // The time from sending to the core's state showing the command applied: the station runs
    // the command as its frame arrives, so the core is checked at every turn of the loop.
    // The station's clock keeps up with real time, as the program's does; the commands come 20 ms
    // apart, within the station's limit of 100 messages a second.
    QElapsedTimer real;
    real.start();
    long long advanced = 0;
    QTimer follow;
    QObject::connect(&follow, &QTimer::timeout, [&] {
        const long long due = real.elapsed();
        clock.advance(Millis(due - advanced));
        advanced = due;
    });
    follow.start(5);
    std::vector<double> ms;
    for (int i = 0; i < 200; ++i) {
        runFor(20);
        const bool pause = !s.state.paused;
        QElapsedTimer timer;
        timer.start();
        const qint64 id = client.sendCommand(pause ? QStringLiteral("pause") : QStringLiteral("resume"));
        if (!waitUntil([&] { return s.state.paused == pause; }, 5000)) {
            std::printf("command %d was not applied within 5 s\n", i + 1);
            return 1;
        }
        ms.push_back(timer.nsecsElapsed() / 1e6);
        waitUntil([&] { return client.results().at(id).done; }, 5000);
        if (!client.results().at(id).ok) {
            std::printf("command %d refused: %s\n", i + 1, qPrintable(client.results().at(id).reason));
            return 1;
        }
    }
    std::sort(ms.begin(), ms.end());
    std::printf("command latency over %zu commands: median %.2f ms, max %.2f ms\n", ms.size(), ms[ms.size() / 2],
                ms.back());
    return 0;
}

// A scenario played in real time at a defibrio-sim station: the ABCs, the trainer, the pads, CPR,
// analyses and shocks, for longer than any measurement.
QByteArray stationScript(const QString& code)
{
    QByteArray script = "option OptTroubleOdds 0\nregister Perf \"\" practice\nnew\nstation 0 " + code.toLatin1()
        + "\nbegin\ndo AllABCsmenuItemClick\nwait 15000\ndo PowerButtonClick\nwait 3000\n"
          "drag PADWHITE PADWhiteZone\ndrag PADRED PADRedZONE\n";
    for (int i = 0; i < 8; ++i)
        script += "do StartCPRMenuItemClick\nwait 20000\ndo Clearbutton1Click\nwait 1000\ndo AnalyzeButtonClick\n"
                  "wait 18500\ndo Clearbutton1Click\nwait 500\ndo SHOCKButtonClick\nwait 2000\n"
                  "do PulseButtonClick\nwait 3000\n";
    return script;
}

struct SimStation {
    std::unique_ptr<QProcess> process;
    QString code;
    quint16 port = 0;
};

// Starts `count` defibrio-sim stations; each says its port on its first line.
bool startStations(const QString& sim, int count, QTemporaryDir& dir, std::vector<SimStation>& stations)
{
    for (int i = 0; i < count; ++i) {
        SimStation station;
        station.code = QStringLiteral("%1").arg(200000 + i);
        const QString scriptFile = dir.filePath(QStringLiteral("station%1.sim").arg(i));
        QFile file(scriptFile);
        if (!file.open(QIODevice::WriteOnly))
            return false;
        file.write(stationScript(station.code));
        file.close();
        station.process = std::make_unique<QProcess>();
        station.process->setWorkingDirectory(dir.path());
        station.process->setProcessChannelMode(QProcess::SeparateChannels);
        station.process->start(sim, {scriptFile});
        stations.push_back(std::move(station));
    }
    for (SimStation& station : stations) {
        const bool told = waitUntil(
            [&] {
                while (station.process->canReadLine()) {
                    const QByteArray line = station.process->readLine();
                    if (line.startsWith("station 127.0.0.1:")) {
                        station.port = static_cast<quint16>(line.mid(18).split(' ').first().toUInt());
                        return true;
                    }
                }
                return false;
            },
            20000);
        if (!told) {
            std::printf("a station did not start: %s\n", station.process->readAllStandardError().constData());
            return false;
        }
    }
    return true;
}

void stopStations(std::vector<SimStation>& stations)
{
    for (SimStation& station : stations) {
        station.process->kill();
        station.process->waitForFinished(5000);
    }
}

int consoleCpu(const QString& sim, int count, int seconds)
{
    QTemporaryDir dir;
    std::vector<SimStation> stations;
    if (!startStations(sim, count, dir, stations))
        return 1;
    ui::CertificatePins pins(dir.filePath(QStringLiteral("pins.txt")));
    ui::TConsole console(nullptr, &pins);
    console.resize(1280, 672);
    console.show();
    for (const SimStation& station : stations)
        console.addStation(QStringLiteral("127.0.0.1:%1").arg(station.port), station.code);
    const bool joined = waitUntil(
        [&] {
            for (ui::ConsoleClient* client : console.clients())
                if (client->state() != ui::ConsoleClient::State::Joined)
                    return false;
            return true;
        },
        20000);
    if (!joined) {
        std::printf("not every station joined\n");
        stopStations(stations);
        return 1;
    }
    console.select(0);
    runFor(2000);
    std::size_t eventsBefore = 0;
    for (ui::ConsoleClient* client : console.clients())
        eventsBefore += client->events().size();
    const double cpuBefore = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    runFor(seconds * 1000);
    const double cpu = cpuSeconds() - cpuBefore;
    const double elapsed = wall.nsecsElapsed() / 1e9;
    std::size_t eventsAfter = 0;
    int stillJoined = 0;
    for (ui::ConsoleClient* client : console.clients()) {
        eventsAfter += client->events().size();
        stillJoined += client->state() == ui::ConsoleClient::State::Joined;
    }
    std::printf("console with %d stations over %.1f s: %.2f s CPU, %.2f %% of one core (%zu events came, %d "
                "stations joined at the end)\n",
                count, elapsed, cpu, 100.0 * cpu / elapsed, eventsAfter - eventsBefore, stillJoined);
    stopStations(stations);
    return 0;
}

int stationCpu(const QString& sim, int seconds)
{
    QTemporaryDir dir;
    std::vector<SimStation> stations;
    if (!startStations(sim, 1, dir, stations))
        return 1;
    const qint64 pid = stations[0].process->processId();
    runFor(2000);
    auto measure = [&] {
        const double before = processCpuSeconds(pid);
        QElapsedTimer wall;
        wall.start();
        runFor(seconds * 1000);
        return 100.0 * (processCpuSeconds(pid) - before) / (wall.nsecsElapsed() / 1e9);
    };
    const double alone = measure();
    ui::ConsoleClient client({QStringLiteral("127.0.0.1"), stations[0].port, false}, stations[0].code,
                             QStringLiteral("perf"), nullptr);
    if (!waitUntil([&] { return client.state() == ui::ConsoleClient::State::Joined; }, 10000)) {
        std::printf("the console did not join\n");
        stopStations(stations);
        return 1;
    }
    runFor(1000);
    const double joined = measure();
    std::printf("station CPU over %d s: %.2f %% of one core alone, %.2f %% with the console joined (%+.2f "
                "points, %zu events sent)\n",
                seconds, alone, joined, joined - alone, client.events().size());
    stopStations(stations);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const QString mode = args.value(1);
    if (mode == QLatin1String("latency"))
        return latency();
    if (mode == QLatin1String("console") && args.size() >= 5)
        return consoleCpu(args[2], args[3].toInt(), args[4].toInt());
    if (mode == QLatin1String("station") && args.size() >= 4)
        return stationCpu(args[2], args[3].toInt());
    std::fprintf(stderr, "usage: defibrio-console-perf latency | console SIM N SECONDS | station SIM SECONDS\n");
    return 2;
}
