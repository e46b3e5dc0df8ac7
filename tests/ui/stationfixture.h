#pragma once

#include <QHostAddress>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <memory>

#include "device/trainer.h"
#include "fakes/practice.h"
#include "ui/stationserver.h"
#include "uitest.h"

namespace defib::uitest {

// A running trainer on a virtual clock with its real station server on 127.0.0.1 and a port of
// its own: a trainee has registered and the scenario runs.
struct TestStation {
    explicit TestStation(const QString& name, const QString& code = QStringLiteral("123456"), unsigned seed = 1,
                         bool tls = false)
        : random(seed)
        , platform{random, sound, dialogs, wallClock}
        , trainer(platform, clock)
        , name_(name)
        , code_(code)
    {
        QFile motion(dir.filePath(QStringLiteral("MOTION.WAV")));
        motion.open(QIODevice::WriteOnly);
        motion.write("RIFF");
        motion.close();
        fakes::startPractice(trainer, clock, dir.path().toStdString(), name.toStdString());
        serve(0, tls);
    }
    // Starts the server again (after stop()), on `port` (0: any).
    bool serve(quint16 port, bool tls = false)
    {
        server = std::make_unique<ui::StationServer>(trainer, name_, code_);
        QString error;
        const bool ok = server->listen(QHostAddress::LocalHost, port, tls, dir.filePath(QStringLiteral("tls")), &error);
        if (!ok)
            qWarning("station %s cannot listen: %s", qPrintable(name_), qPrintable(error));
        return ok;
    }
    void stop() { server.reset(); }
    QString address() const { return QStringLiteral("127.0.0.1:%1").arg(port()); }
    quint16 port() const { return server ? server->port() : 0; }
    Scenario& s() { return trainer.scenario(); }
    void wait(int ms) { clock.advance(Millis(ms)); }
    // The station's status as the core writes it now.
    QJsonObject status() const
    {
        return QJsonDocument::fromJson(QByteArray::fromStdString(server->station().statusText())).object();
    }
    // Lets a pad go in the middle of a zone, as the trainee's drag does.
    void drag(const std::string& pad, const std::string& zone) { fakes::dropPad(trainer, pad, zone); }
    // The trainer on and its pads on the patient before the ABCs: a penalty of 300.
    void attachPads()
    {
        trainer.run("PowerButtonClick");
        wait(3000);
        drag("PADWHITE", "PADWhiteZone");
        drag("PADRED", "PADRedZONE");
    }
    // The score events that took points away.
    int penalties()
    {
        int count = 0;
        for (const Event& event : s().events.events())
            count += event.kind == EventKind::Score && event.amount < 0;
        return count;
    }
    QString phase() const { return status().value(QStringLiteral("phase")).toString(); }

    QTemporaryDir dir;
    LinearRandom random;
    RecordingSound sound;
    QueuedDialogs dialogs;
    FixedWallClock wallClock;
    VirtualClock clock;
    Platform platform;
    Trainer trainer;
    std::unique_ptr<ui::StationServer> server;

private:
    QString name_;
    QString code_;
};

} // namespace defib::uitest
