// The instructor's console watching three stations of this process (each a trainer on a virtual
// clock with its real server on 127.0.0.1): one paused, one given a pad fault at its next
// analysis, the third ended. Saves the screen as OUTDIR/PREFIX.png (tools/screenshots.sh runs it
// under Xvfb with openbox at 100 %, 125 % and 200 %).
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <vector>

#include "device/trainer.h"
#include "engine/flow.h"
#include "fakes/platformfakes.h"
#include "fakes/practice.h"
#include "ui/console.h"
#include "ui/stationserver.h"

using namespace defib;

namespace {

struct ShotStation {
    ShotStation(const QString& name, const std::string& trainee, unsigned seed)
        : random(seed)
        , platform{random, sound, dialogs, wallClock}
        , trainer(platform, clock)
    {
        fakes::startPractice(trainer, clock, dir.path().toStdString(), trainee);
        server = std::make_unique<ui::StationServer>(trainer, name, QStringLiteral("424242"));
        QString error;
        if (!server->listen(QHostAddress::LocalHost, 0, false, QString(), &error))
            std::fprintf(stderr, "station cannot listen: %s\n", qPrintable(error));
    }
    void drag(const std::string& pad, const std::string& zone) { fakes::dropPad(trainer, pad, zone); }
    QTemporaryDir dir;
    LinearRandom random;
    fakes::RecordingSound sound;
    fakes::AgreeingDialogs dialogs;
    fakes::FixedWallClock wallClock;
    VirtualClock clock;
    Platform platform;
    Trainer trainer;
    std::unique_ptr<ui::StationServer> server;
};

class NoQuestions : public ui::ConsoleQuestions {
public:
    bool scenarioFile(QWidget*, QString&) override { return false; }
    bool messageText(QWidget*, QString&) override { return false; }
};

// Runs the loop until `done`, the stations' clocks moving on meanwhile; false after 20 s.
bool settle(std::vector<std::unique_ptr<ShotStation>>& stations, const std::function<bool()>& done)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > 20000)
            return false;
        for (auto& station : stations)
            station->clock.advance(Millis(20));
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const QString prefix = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("console");
    QDir().mkpath(out);
    QTemporaryDir pinFolder;

    std::vector<std::unique_ptr<ShotStation>> stations;
    stations.push_back(std::make_unique<ShotStation>(QStringLiteral("Room 1"), "Alex Meyer", 1));
    stations.push_back(std::make_unique<ShotStation>(QStringLiteral("Room 2"), "Sam Lee", 2));
    stations.push_back(std::make_unique<ShotStation>(QStringLiteral("Room 3"), "Kim Roy", 3));
    // Each trainee somewhere else in the scenario: the pads on before the ABCs (a penalty), the
    // ABCs done, the trainer on.
    ShotStation& first = *stations[0];
    first.trainer.run("PowerButtonClick");
    first.clock.advance(Millis(3000));
    first.drag("PADWHITE", "PADWhiteZone");
    first.drag("PADRED", "PADRedZONE");
    first.clock.advance(Millis(40000));
    ShotStation& second = *stations[1];
    second.trainer.run("AllABCsmenuItemClick");
    second.clock.advance(Millis(15000));
    second.trainer.run("PowerButtonClick");
    second.clock.advance(Millis(20000));
    ShotStation& third = *stations[2];
    third.trainer.run("PowerButtonClick");
    third.clock.advance(Millis(3000));
    third.drag("PADWHITE", "PADWhiteZone");
    third.drag("PADRED", "PADRedZONE");
    third.clock.advance(Millis(2000));
    third.trainer.run("AnalyzeButtonClick");
    third.clock.advance(Millis(30000));

    NoQuestions questions;
    ui::CertificatePins pins(pinFolder.filePath(QStringLiteral("pins.txt")));
    ui::TConsole console(&questions, &pins);
    console.showMaximized();
    for (auto& station : stations)
        console.addStation(QStringLiteral("127.0.0.1:%1").arg(station->server->port()), QStringLiteral("424242"));
    auto grid = [&](int row, ui::StationGrid::Column column) {
        console.refreshNow();
        return console.grid().text(row, column);
    };
    bool ok = settle(stations, [&] {
        for (ui::ConsoleClient* client : console.clients())
            if (client->state() != ui::ConsoleClient::State::Joined || client->status().isEmpty())
                return false;
        return true;
    });
    auto click = [&](const char* name) {
        if (auto* button = console.findChild<QPushButton*>(QLatin1String(name)))
            button->click();
    };
    console.select(0);
    click("PauseStation");
    ok = ok && settle(stations, [&] { return grid(0, ui::StationGrid::Connection) == ui::StationGrid::tr("paused"); });
    console.select(2);
    click("EndStation");
    ok = ok && settle(stations, [&] { return grid(2, ui::StationGrid::Connection) == ui::StationGrid::tr("ended"); });
    console.select(1);
    console.findChild<QComboBox*>(QStringLiteral("TroubleKind"))->setCurrentIndex(0);
    console.findChild<QComboBox*>(QStringLiteral("TroubleWhen"))->setCurrentIndex(1);
    click("TroubleStation");
    ok = ok && settle(stations, [&] { return !grid(1, ui::StationGrid::Trouble).isEmpty(); });
    // The status line tells the last result; the picture is taken once everything is drawn.
    ok = ok && settle(stations, [&] {
             return console.statusText().endsWith(
                 ui::TConsole::tr("%1: %2 done.").arg(QStringLiteral("Room 2"), ui::TConsole::tr("Trouble")));
         });
    if (!ok)
        std::fprintf(stderr, "the console did not reach the moment to picture: %s\n", qPrintable(console.statusText()));
    QElapsedTimer pause;
    pause.start();
    while (pause.elapsed() < 500)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    console.refreshNow();
    QCoreApplication::processEvents();
    const QString file = QDir(out).filePath(prefix + QStringLiteral(".png"));
    console.screen()->grabWindow(0).save(file);
    std::printf("saved %s\n", qPrintable(file));
    return ok ? 0 : 1;
}
